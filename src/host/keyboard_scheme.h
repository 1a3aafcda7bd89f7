// When the active keyboard scheme refuses the add-in's bindings, a copy of it that the user
// owns is made and activated.
#pragma once

#include "editor/ide.h"
#include "editor/path_style.h"
#include "sys/platform.h"

namespace host {

// The add-in's names in scheme files, and the file copied for a built-in scheme.
inline constexpr const char* kSchemeMarker = "Zentrel";
inline constexpr const char* kDefaultSchemeFile = "Def.vsk";
inline constexpr int kMaxSchemeCopies = 999;

// True when a writable scheme of the add-in is active afterwards.
bool EnsureWritableScheme(ide::Environment& environment, sys::Platform& platform,
                          editor::PathStyle style = editor::NativePathStyle());

}  // namespace host
