// A dialog's control as its template places it, in dialog units.
#pragma once

namespace commands::files {

enum class ControlKind { kStatic, kEdit, kButton, kDefaultButton, kCheckBox, kGroupBox, kProgress };

struct DialogControl {
    ControlKind kind;
    int id;  // -1: no id
    const char* text;
    int x, y, width, height;
};

inline constexpr int kNoId = -1;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

}  // namespace commands::files
