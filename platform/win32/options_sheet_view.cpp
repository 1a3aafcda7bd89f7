#include "win32/options_sheet_view.h"

#include <commctrl.h>
#include <prsht.h>

#include <array>

#include "win32/module_handle.h"
#include "win32/win32_platform.h"

namespace win32 {

namespace {

using settings::ControlDef;
using settings::ControlKind;
using settings::COptionsPage;
using settings::COptionsSheet;

constexpr int kSmallIcon = 219;

struct SheetRun {
    COptionsSheet* sheet = nullptr;
    bool applied = false;
};

struct PageRun {
    SheetRun* run = nullptr;
    std::size_t index = 0;
};

std::string ItemText(HWND page, int id) {
    HWND item = GetDlgItem(page, id);
    const int length = item ? GetWindowTextLengthA(item) : 0;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    if (item)
        GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The radio buttons following `first` that belong to its group: a named button starts a group.
std::span<const ControlDef> RadioGroup(std::span<const ControlDef> controls, std::size_t first) {
    std::size_t end = first + 1;
    while (end < controls.size() && controls[end].kind == ControlKind::RadioButton &&
           controls[end].name == nullptr)
        ++end;
    return controls.subspan(first, end - first);
}

void ShowValues(HWND page, const COptionsPage& model) {
    const std::span<const ControlDef> controls = model.Def().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDef& control = controls[i];
        if (control.kind == ControlKind::Edit) {
            SetDlgItemTextA(page, control.id, model.Text(control.id).c_str());
        } else if (control.kind == ControlKind::CheckBox) {
            CheckDlgButton(page, control.id, model.State(control.id) ? BST_CHECKED : BST_UNCHECKED);
        } else if (control.kind == ControlKind::RadioButton && control.name != nullptr) {
            const std::span<const ControlDef> group = RadioGroup(controls, i);
            const int chosen = model.State(control.id);
            for (std::size_t button = 0; button < group.size(); ++button)
                CheckDlgButton(page, group[button].id,
                               static_cast<int>(button) == chosen ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void ReadValues(HWND page, COptionsPage& model) {
    const std::span<const ControlDef> controls = model.Def().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDef& control = controls[i];
        if (control.kind == ControlKind::Edit) {
            model.SetText(control.id, ItemText(page, control.id));
        } else if (control.kind == ControlKind::CheckBox) {
            model.SetState(control.id, IsDlgButtonChecked(page, control.id) == BST_CHECKED);
        } else if (control.kind == ControlKind::RadioButton && control.name != nullptr) {
            const std::span<const ControlDef> group = RadioGroup(controls, i);
            int chosen = -1;
            for (std::size_t button = 0; button < group.size(); ++button) {
                if (IsDlgButtonChecked(page, group[button].id) == BST_CHECKED)
                    chosen = static_cast<int>(button);
            }
            model.SetState(control.id, chosen);
        }
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* context = reinterpret_cast<PageRun*>(GetWindowLongPtrA(page, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            context = reinterpret_cast<PageRun*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
            SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
            ShowValues(page, context->run->sheet->Open(context->index));
            SendMessageA(
                GetParent(page), WM_SETICON, ICON_SMALL,
                reinterpret_cast<LPARAM>(LoadIconA(ModuleHandle(), MAKEINTRESOURCEA(kSmallIcon))));
            // The first page opens with the focus moved on from the sheet's tabs.
            if (context->index == 0)
                PostMessageA(page, WM_KEYDOWN, VK_TAB, 0);
            return TRUE;
        }
        case WM_COMMAND:
            if (context && LOWORD(wParam) == settings::COptionsPageSetup::kResetButton &&
                HIWORD(wParam) == BN_CLICKED) {
                context->run->sheet->Reset();
                return TRUE;
            }
            return FALSE;
        case WM_NOTIFY:
            // Without an Apply button, applying means OK; it reaches only pages that were opened.
            if (context && reinterpret_cast<NMHDR*>(lParam)->code == PSN_APPLY) {
                ReadValues(page, context->run->sheet->Page(context->index));
                context->run->applied = true;
                SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool RunOptionsSheet(COptionsSheet& sheet, HWND owner) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    SheetRun run{&sheet};
    std::array<PageRun, COptionsSheet::kPageCount> pageRuns{};
    std::array<PROPSHEETPAGEA, COptionsSheet::kPageCount> pages{};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pageRuns[i] = {&run, i};
        const settings::PageDef& def = sheet.Page(i).Def();
        pages[i].dwSize = sizeof(PROPSHEETPAGEA);
        pages[i].dwFlags = PSP_USETITLE;
        pages[i].hInstance = ModuleHandle();
        pages[i].pszTemplate = MAKEINTRESOURCEA(def.dialogId);
        pages[i].pszTitle = MAKEINTRESOURCEA(def.captionId);
        pages[i].pfnDlgProc = PageProc;
        pages[i].lParam = reinterpret_cast<LPARAM>(&pageRuns[i]);
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
    header.hwndParent = owner;
    header.hInstance = ModuleHandle();
    header.pszCaption = COptionsSheet::kCaption;
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = 0;
    header.ppsp = pages.data();
    // The result tells whether anything changed rather than how the sheet ended.
    return PropertySheetA(&header) >= 0 && run.applied;
}

bool Win32Platform::ShowOptionsSheet(COptionsSheet& sheet) {
    HWND owner = GetActiveWindow();
    if (owner)
        owner = GetAncestor(owner, GA_ROOT);
    const bool ok = RunOptionsSheet(sheet, owner);
    if (owner)
        SetActiveWindow(owner);
    return ok;
}

}  // namespace win32
