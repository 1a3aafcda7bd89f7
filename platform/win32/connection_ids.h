// Interface ids of the IDE's objects that the add-in is handed or creates.
#pragma once

#include "win32/win_api.h"

namespace win32 {

// The IDE's root automation object.
inline constexpr IID kDteId = {
    0x04A72314, 0x32E9, 0x48E2, {0x9B, 0x87, 0xA6, 0x36, 0x03, 0x45, 0x4F, 0x3E}};
// The IDE's object that stands for this add-in.
inline constexpr IID kAddInId = {
    0x53A87FA1, 0xCE93, 0x48BF, {0x95, 0x8B, 0xC6, 0xDA, 0x79, 0x3C, 0x50, 0x28}};

}  // namespace win32
