// The IDE's objects as the add-in reaches them: each of the core's ide:: objects served over
// IDispatch under the IDE's member names, the reverse of the library's adapter.
#pragma once

#include "win32/win_api.h"

#include "editor/ide.h"
#include "win32/com_ptr.h"

namespace e2e {

// The application object; answers the IDE's root interface.
win32::ComPtr<IDispatch> ServeEnvironment(ide::Ref<ide::Environment> environment);
// The object standing for the add-in; answers the IDE's add-in interface.
win32::ComPtr<IDispatch> ServeAddIn(ide::Ref<ide::AddIn> addIn);

win32::ComPtr<IDispatch> ServeCommands(ide::Ref<ide::Commands> commands);
win32::ComPtr<IDispatch> ServeCommandBars(ide::Ref<ide::CommandBars> bars);

// What a button records for a picture: the picture arrives as an object, whose resource
// number cannot be told back.
inline constexpr long kPictureGiven = -1;

}  // namespace e2e
