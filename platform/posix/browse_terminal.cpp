#include "posix/browse_terminal.h"

#include <curses.h>
#include <signal.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>

#include "posix/browse_input.h"

namespace posix {

using commands::navigate::BrowseDialog;
using commands::navigate::BrowseEnd;
using commands::navigate::BrowseFocus;

namespace {

constexpr std::array<int, 4> kEndSignals = {SIGHUP, SIGINT, SIGQUIT, SIGTERM};
volatile std::sig_atomic_t gSignal = 0;

extern "C" void NoteSignal(int number) {
    gSignal = number;
}

// Owns the screen: whatever ends the dialog, the terminal gets its modes back.
class Screen {
  public:
    bool Start(std::string& error) {
        tty_ = std::fopen("/dev/tty", "r+");
        if (tty_ == nullptr) {
            error = "no terminal to show the Browse dialog on";
            return false;
        }
        // Ours before the screen's, so the library leaves them alone.
        struct sigaction action {};
        action.sa_handler = NoteSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kEndSignals.size(); ++i)
            sigaction(kEndSignals[i], &action, &previous_[i]);
        handlers_ = true;
        gSignal = 0;
        screen_ = newterm(nullptr, tty_, tty_);
        if (screen_ == nullptr) {
            error = "the terminal cannot show the Browse dialog (TERM unknown?)";
            return false;
        }
        raw();
        noecho();
        keypad(stdscr, TRUE);
        set_escdelay(25);
        // Wakes up now and then to notice a signal.
        timeout(200);
        return true;
    }
    ~Screen() {
        if (screen_ != nullptr) {
            endwin();
            delscreen(screen_);
        }
        if (handlers_) {
            for (std::size_t i = 0; i < kEndSignals.size(); ++i)
                sigaction(kEndSignals[i], &previous_[i], nullptr);
        }
        if (tty_ != nullptr)
            std::fclose(tty_);
    }

  private:
    std::FILE* tty_ = nullptr;
    SCREEN* screen_ = nullptr;
    bool handlers_ = false;
    std::array<struct sigaction, kEndSignals.size()> previous_{};
};

std::size_t ListRows() {
    return static_cast<std::size_t>(std::max(LINES - 3, 1));
}

void Draw(const BrowseDialog& dialog, std::size_t& top) {
    erase();
    const int width = std::max(COLS, 1);
    attron(A_BOLD);
    mvaddnstr(0, 0, dialog.Title().c_str(), width);
    attroff(A_BOLD);
    const std::string filter = "Filter: " + dialog.Filter();
    mvaddnstr(1, 0, filter.c_str(), width);

    const std::size_t rows = ListRows();
    const std::size_t count = dialog.RowCount();
    if (dialog.Selected()) {
        const std::size_t selected = *dialog.Selected();
        if (selected < top)
            top = selected;
        else if (selected >= top + rows)
            top = selected - rows + 1;
    }
    top = std::min(top, count > rows ? count - rows : 0);
    for (std::size_t i = 0; i < rows && top + i < count; ++i) {
        const bool chosen = dialog.Selected() == top + i;
        if (chosen)
            attron(dialog.Focus() == BrowseFocus::List ? A_REVERSE : A_UNDERLINE);
        mvaddnstr(static_cast<int>(i) + 2, 0, ("  " + dialog.RowText(top + i)).c_str(), width);
        if (chosen)
            attroff(A_REVERSE | A_UNDERLINE);
    }
    const std::string status = dialog.StaticText() + "   << [Backspace]  >> [Enter]  Close [Esc]";
    attron(A_DIM);
    mvaddnstr(LINES - 1, 0, status.c_str(), width);
    attroff(A_DIM);
    if (dialog.Focus() == BrowseFocus::Filter) {
        curs_set(1);
        move(1, std::min(static_cast<int>(filter.size()), width - 1));
    } else {
        curs_set(0);
    }
    refresh();
}

std::optional<TerminalKey> KeyOf(int key) {
    switch (key) {
        case KEY_BACKSPACE:
        case 127:
        case 8:
            return TerminalKey::Backspace;
        case KEY_LEFT:
            return TerminalKey::Left;
        case KEY_RIGHT:
            return TerminalKey::Right;
        case KEY_UP:
            return TerminalKey::Up;
        case KEY_DOWN:
            return TerminalKey::Down;
        case KEY_PPAGE:
            return TerminalKey::PageUp;
        case KEY_NPAGE:
            return TerminalKey::PageDown;
        case KEY_HOME:
            return TerminalKey::Home;
        case KEY_END:
            return TerminalKey::End;
        case '\n':
        case '\r':
        case KEY_ENTER:
            return TerminalKey::Enter;
        case 27:
        case 3:  // Ctrl-C arrives as a character in raw mode
            return TerminalKey::Escape;
        case '\t':
            return TerminalKey::Tab;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool RunBrowseTerminal(BrowseDialog& dialog, std::string& error) {
    int signal = 0;
    {
        Screen screen;
        if (!screen.Start(error))
            return false;
        std::size_t top = 0;
        while (dialog.End() == BrowseEnd::Running) {
            Draw(dialog, top);
            const int key = getch();
            if (gSignal != 0) {
                signal = gSignal;
                dialog.Close();
                break;
            }
            if (key == ERR || key == KEY_RESIZE)
                continue;
            if (std::optional<TerminalKey> named = KeyOf(key)) {
                PressKey(dialog, *named, ListRows());
            } else if (key >= 32 && key < 256) {
                TypeChar(dialog, static_cast<char>(key));
            }
        }
    }
    // The terminal is back to normal: end as the signal would have.
    if (signal != 0)
        std::raise(signal);
    return true;
}

}  // namespace posix
