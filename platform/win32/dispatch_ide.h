// The IDE seen through the core's model: every call goes through IDispatch by member name.
#pragma once

#include "win32/win_api.h"

#include "editor/ide.h"

namespace win32 {

// Each takes its own reference; an empty reference for a null object.
ide::Ref<ide::Environment> MakeEnvironment(IDispatch* application);
ide::Ref<ide::AddIn> MakeAddIn(IDispatch* addInInstance);

}  // namespace win32
