#include "posix/browse_input.h"

#include <array>
#include <utility>

namespace posix {

using commands::navigate::BrowseDialog;
using commands::navigate::BrowseFocus;
using commands::navigate::BrowseKey;
using commands::navigate::KeyOutcome;

namespace {

// Answers move the list a screenful at a time, as a list box of the resource's height does.
constexpr std::size_t kAnswerPage = 10;

constexpr std::array<std::pair<std::string_view, TerminalKey>, 12> kKeyNames{{
    {"Backspace", TerminalKey::Backspace},
    {"Left", TerminalKey::Left},
    {"Right", TerminalKey::Right},
    {"Up", TerminalKey::Up},
    {"Down", TerminalKey::Down},
    {"PageUp", TerminalKey::PageUp},
    {"PageDown", TerminalKey::PageDown},
    {"Home", TerminalKey::Home},
    {"End", TerminalKey::End},
    {"Enter", TerminalKey::Enter},
    {"Escape", TerminalKey::Escape},
    {"Tab", TerminalKey::Tab},
}};

std::optional<BrowseKey> DialogKey(TerminalKey key) {
    switch (key) {
        case TerminalKey::Backspace:
            return BrowseKey::Backspace;
        case TerminalKey::Left:
            return BrowseKey::Left;
        case TerminalKey::Right:
            return BrowseKey::Right;
        case TerminalKey::Up:
            return BrowseKey::Up;
        case TerminalKey::Down:
            return BrowseKey::Down;
        case TerminalKey::PageUp:
            return BrowseKey::PageUp;
        case TerminalKey::PageDown:
            return BrowseKey::PageDown;
        case TerminalKey::Home:
            return BrowseKey::Home;
        case TerminalKey::End:
            return BrowseKey::End;
        default:
            return std::nullopt;
    }
}

bool MovesInList(BrowseKey key) {
    return key != BrowseKey::Backspace && key != BrowseKey::Left && key != BrowseKey::Right;
}

}  // namespace

std::optional<TerminalKey> KeyNamed(std::string_view name) {
    for (const auto& [text, key] : kKeyNames) {
        if (text == name)
            return key;
    }
    return std::nullopt;
}

void PressKey(BrowseDialog& dialog, TerminalKey key, std::size_t page) {
    switch (key) {
        case TerminalKey::Enter:
            dialog.GoDown();
            return;
        case TerminalKey::Escape:
            dialog.Close();
            return;
        case TerminalKey::Tab:
            dialog.FocusMoved(dialog.Focus() == BrowseFocus::List ? BrowseFocus::Filter
                                                                  : BrowseFocus::List);
            return;
        default:
            break;
    }
    const BrowseKey dialogKey = *DialogKey(key);
    const KeyOutcome outcome = dialog.KeyDown(dialogKey);
    if (outcome == KeyOutcome::Swallowed || dialog.End() != commands::navigate::BrowseEnd::Running)
        return;
    if (dialog.Focus() == BrowseFocus::List) {
        if (MovesInList(dialogKey))
            dialog.MoveInList(dialogKey, page);
        else if (dialogKey == BrowseKey::Backspace)
            dialog.CharTyped('\b');
        return;
    }
    // The filter line: only Backspace changes it; the caret always stands at its end.
    if (dialogKey == BrowseKey::Backspace && !dialog.Filter().empty()) {
        const std::string& filter = dialog.Filter();
        dialog.FilterEdited(filter.substr(0, filter.size() - 1));
    }
}

void TypeChar(BrowseDialog& dialog, char c) {
    if (dialog.Focus() == BrowseFocus::List) {
        dialog.CharTyped(c);
        return;
    }
    dialog.FilterEdited(dialog.Filter() + c);
}

bool ApplyAnswer(BrowseDialog& dialog, std::string_view answer, std::string& error) {
    if (answer.starts_with("text:")) {
        for (char c : answer.substr(5))
            TypeChar(dialog, c);
        return true;
    }
    if (answer.starts_with("key:")) {
        if (std::optional<TerminalKey> key = KeyNamed(answer.substr(4))) {
            PressKey(dialog, *key, kAnswerPage);
            return true;
        }
        error = "the Browse dialog knows no key " + std::string(answer.substr(4));
        return false;
    }
    if (answer == "ok") {
        dialog.GoDown();
    } else if (answer == "up") {
        dialog.GoUp();
    } else if (answer == "close") {
        dialog.Close();
    } else {
        error = "the Browse dialog takes text:TEXT, key:NAME, ok, up or close, not " +
                std::string(answer);
        return false;
    }
    return true;
}

}  // namespace posix
