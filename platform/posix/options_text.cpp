#include "posix/options_text.h"

#include <sstream>

namespace posix {

namespace {

using settings::ControlKind;
using settings::COptionsPage;
using settings::ShownText;

std::string ValueText(const COptionsPage& page, const settings::ControlDef& control) {
    if (control.kind == ControlKind::Edit)
        return page.Text(control.id);
    return std::to_string(page.State(control.id));
}

}  // namespace

std::string FormatOptionsSheet(settings::COptionsSheet& sheet) {
    std::ostringstream out;
    out << settings::COptionsSheet::kCaption << '\n';
    for (std::size_t i = 0; i < settings::COptionsSheet::kPageCount; ++i) {
        const COptionsPage& page = sheet.Open(i);
        out << "\n[" << page.Def().caption << "]\n";
        int radioGroup = -1;
        for (const settings::ControlDef& control : page.Def().controls) {
            const std::string text = ShownText(control.text);
            switch (control.kind) {
                case ControlKind::GroupBox:
                    out << "  " << text << '\n';
                    break;
                case ControlKind::PushButton:
                    out << "    <" << text << ">\n";
                    break;
                case ControlKind::Static:
                    out << "    " << text << '\n';
                    break;
                case ControlKind::Label:
                    break;  // shown with its edit
                case ControlKind::Edit:
                    out << "    " << ShownText(control.name) << ": " << page.Text(control.id)
                        << '\n';
                    break;
                case ControlKind::CheckBox:
                    out << "    [" << (page.State(control.id) ? 'x' : ' ') << "] " << text << '\n';
                    break;
                case ControlKind::RadioButton:
                    radioGroup = control.name != nullptr ? control.id : radioGroup;
                    out << "    ("
                        << (page.State(radioGroup) == control.id - radioGroup ? '*' : ' ') << ") "
                        << text << '\n';
                    break;
            }
        }
    }
    return out.str();
}

nlohmann::ordered_json OpenedPagesToJson(const settings::COptionsSheet& sheet) {
    nlohmann::ordered_json pages = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < settings::COptionsSheet::kPageCount; ++i) {
        if (!sheet.Opened(i))
            continue;
        const COptionsPage& page = sheet.Page(i);
        nlohmann::ordered_json values = nlohmann::ordered_json::object();
        for (const settings::ControlDef& control : page.Def().controls) {
            if (control.name != nullptr)
                values[ShownText(control.name)] = ValueText(page, control);
        }
        pages[page.Def().caption] = values;
    }
    return pages;
}

std::optional<std::string> SetOption(settings::COptionsSheet& sheet, std::string_view assignment) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos)
        return "expected NAME=VALUE: " + std::string(assignment);
    const std::string_view name = assignment.substr(0, equals);
    const std::string_view value = assignment.substr(equals + 1);
    for (std::size_t i = 0; i < settings::COptionsSheet::kPageCount; ++i) {
        const settings::ControlDef* control = sheet.Page(i).ValueControl(name);
        if (control == nullptr)
            continue;
        if (!sheet.Open(i).SetValue(*control, value))
            return "\"" + std::string(value) + "\" does not fit " + std::string(name) +
                   (control->kind == ControlKind::CheckBox ? " (0 or 1)"
                                                           : " (0, 1, 2 or a button's text)");
        return std::nullopt;
    }
    return "no option is named " + std::string(name);
}

}  // namespace posix
