// Reads an extended dialog template as the library holds it, for comparing with the models.
#pragma once

#include "win32/win_api.h"

#include <cstring>
#include <string>
#include <vector>

#include "win32/ansi_text.h"

namespace win32::testing {

struct TemplateItem {
    int id;            // -1 for 0xFFFF
    int classAtom;     // 0x80 button, 0x81 edit, 0x82 static; 0 for a class given by name
    std::string text;  // "#N" for a resource number
    DWORD style;
    int x, y, width, height;
};

struct DialogTemplate {
    std::string caption;
    int width = 0, height = 0;
    std::vector<TemplateItem> items;
};

// The dialog template `id` of the library; empty when it has none. Header, menu, class, caption,
// font, then the items, each on a DWORD boundary.
inline DialogTemplate LoadDialogTemplate(HMODULE library, int id) {
    HRSRC found = FindResourceW(library, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
    const auto* data =
        static_cast<const BYTE*>(found ? LockResource(LoadResource(library, found)) : nullptr);
    if (!data)
        return {};
    const auto word = [&](std::size_t at) {
        WORD w;
        std::memcpy(&w, data + at, 2);
        return w;
    };
    const auto dword = [&](std::size_t at) {
        DWORD d;
        std::memcpy(&d, data + at, 4);
        return d;
    };
    // A 0xFFFF ordinal or a NUL-ended UTF-16 text; gives where the next field begins.
    const auto text = [&](std::size_t at, std::string* out, int* ordinal) {
        if (word(at) == 0xFFFF) {
            if (ordinal)
                *ordinal = word(at + 2);
            if (out)
                *out = "#" + std::to_string(word(at + 2));
            return at + 4;
        }
        std::wstring wide;
        for (; word(at) != 0; at += 2)
            wide += static_cast<wchar_t>(word(at));
        if (out)
            *out = Narrow(wide);
        return at + 2;
    };
    DialogTemplate dialog;
    const std::size_t count = word(16);
    dialog.width = static_cast<short>(word(22));
    dialog.height = static_cast<short>(word(24));
    std::size_t at = text(text(26, nullptr, nullptr), nullptr, nullptr);  // menu, class
    at = text(at, &dialog.caption, nullptr);
    at = text(at + 6, nullptr, nullptr);  // point size, weight, italic, charset, face
    for (std::size_t i = 0; i < count; ++i) {
        at = (at + 3) & ~std::size_t{3};
        TemplateItem item{};
        item.style = dword(at + 8);
        item.x = static_cast<short>(word(at + 12));
        item.y = static_cast<short>(word(at + 14));
        item.width = static_cast<short>(word(at + 16));
        item.height = static_cast<short>(word(at + 18));
        item.id = dword(at + 20) == 0xFFFF ? -1 : static_cast<int>(dword(at + 20));
        std::string className;
        at = text(text(at + 24, &className, &item.classAtom), &item.text, nullptr);
        // A system class given by name is the same class as its atom.
        for (const auto& [atom, name] :
             {std::pair{0x80, "button"}, {0x81, "edit"}, {0x82, "static"}}) {
            if (lstrcmpiA(className.c_str(), name) == 0)
                item.classAtom = atom;
        }
        at += 2 + word(at);  // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}

}  // namespace win32::testing
