#include "analysis/code_map.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace analysis {

namespace {

using Table = std::array<bool, 256>;

constexpr Table Stops(std::string_view chars) {
    Table table{};
    for (char c : chars)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

// The characters each state has to look at; everything else is passed in a tight loop.
constexpr Table kCodeStops = Stops("{}/\"'#");
constexpr Table kLineStops = Stops("\r\n");
constexpr Table kStringStops = Stops("\\\"\r\n");
constexpr Table kCharacterStops = Stops("\\'\r\n");
constexpr Table kDirectiveStops = Stops("\\/\r\n");

std::size_t Skip(std::string_view text, std::size_t i, const Table& stops) {
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
    while (i < text.size() && !stops[bytes[i]])
        ++i;
    return i;
}

std::size_t Find(std::string_view text, std::size_t i, char c) {
    const void* found = std::memchr(text.data() + i, c, text.size() - i);
    return found == nullptr
               ? text.size()
               : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

}  // namespace

bool CodeMap::StartsLine(std::size_t position) const {
    while (position > 0 && (text_[position - 1] == ' ' || text_[position - 1] == '\t'))
        --position;
    return position == 0 || text_[position - 1] == '\n' || text_[position - 1] == '\r';
}

void CodeMap::Leave(std::size_t end) {
    // Neighbouring stretches (a run of comment lines) make one.
    if (!spans_.empty() && spans_.back().end == stateStart_)
        spans_.back().end = end;
    else
        spans_.push_back({stateStart_, end});
    state_ = State::Code;
}

bool CodeMap::Advance() {
    const std::size_t n = text_.size();
    if (read_ >= n)
        return false;
    std::size_t i = read_;
    switch (state_) {
        case State::Code:
            // Braces are paired here in one run; only a change of state ends it.
            for (i = Skip(text_, i, kCodeStops); i < n && (text_[i] == '{' || text_[i] == '}');
                 i = Skip(text_, i + 1, kCodeStops)) {
                if (text_[i] == '{') {
                    open_.push_back(braces_.size());
                    braces_.push_back({i, kNone});
                } else if (!open_.empty()) {
                    braces_[open_.back()].close = i;
                    open_.pop_back();
                }
            }
            break;
        case State::BlockComment:
            for (i = Find(text_, i, '*'); i < n && !(i + 1 < n && text_[i + 1] == '/');)
                i = Find(text_, i + 1, '*');
            break;
        case State::LineComment:
            i = Skip(text_, i, kLineStops);
            break;
        case State::String:
            i = Skip(text_, i, kStringStops);
            break;
        case State::Character:
            i = Skip(text_, i, kCharacterStops);
            break;
        case State::Directive:
            i = Skip(text_, i, kDirectiveStops);
            break;
    }
    if (i >= n) {
        if (state_ != State::Code)
            Leave(n);
        read_ = n;
        return false;
    }
    const char c = text_[i];
    const char next = i + 1 < n ? text_[i + 1] : '\0';
    read_ = i + 1;
    switch (state_) {
        case State::Code:
            if (c == '/' && (next == '/' || next == '*')) {
                state_ = next == '/' ? State::LineComment : State::BlockComment;
                stateStart_ = i;
                read_ = i + 2;
            } else if (c == '"' || c == '\'') {
                state_ = c == '"' ? State::String : State::Character;
                stateStart_ = i;
            } else if (c == '#' && StartsLine(i)) {
                state_ = State::Directive;
                stateStart_ = i;
            }
            break;
        case State::BlockComment:
            read_ = i + 2;
            Leave(read_);
            break;
        case State::LineComment:
            // A line end ends it; the line end itself is code, as it ends the line.
            Leave(i);
            read_ = i;
            break;
        case State::String:
        case State::Character:
        case State::Directive:
            if (c == '\\') {
                // An escape, or a line continued.
                read_ =
                    std::min(n, i + (next == '\r' && i + 2 < n && text_[i + 2] == '\n' ? 3 : 2));
            } else if (c == '/' && state_ == State::Directive) {
                if (next == '/' || next == '*') {
                    // A comment on a directive line ends the directive's stretch.
                    Leave(i);
                    state_ = next == '/' ? State::LineComment : State::BlockComment;
                    stateStart_ = i;
                    read_ = i + 2;
                }
            } else if (c == '\r' || c == '\n') {
                Leave(i);
                read_ = i;
            } else {
                Leave(i + 1);
            }
            break;
    }
    return true;
}

void CodeMap::ReadTo(std::size_t position) {
    while (read_ <= position && Advance()) {
    }
}

std::size_t CodeMap::NonCodeStart(std::size_t position) {
    if (position >= text_.size())
        return kNone;
    ReadTo(position);
    if (state_ != State::Code && stateStart_ <= position) {
        // Still being read; Leave will join it to a stretch it follows directly.
        return !spans_.empty() && spans_.back().end == stateStart_ ? spans_.back().start
                                                                   : stateStart_;
    }
    if (spans_.empty())
        return kNone;
    std::size_t i = std::min(lastSpan_, spans_.size() - 1);
    while (i > 0 && spans_[i].start > position)
        --i;
    while (i + 1 < spans_.size() && spans_[i + 1].start <= position)
        ++i;
    lastSpan_ = i;
    const Span& span = spans_[i];
    return span.start <= position && position < span.end ? span.start : kNone;
}

std::size_t CodeMap::BraceFrom(std::size_t position) {
    std::size_t i = lastBrace_ < braces_.size() && Open(lastBrace_) <= position ? lastBrace_ : 0;
    for (bool more = true;; more = Advance()) {
        while (i < braces_.size() && Open(i) < position)
            ++i;
        if (i < braces_.size()) {
            lastBrace_ = i;
            return i;
        }
        if (!more)
            return kNone;
    }
}

std::size_t CodeMap::Closing(std::size_t brace) {
    while (braces_[brace].close == kNone && Advance()) {
    }
    return braces_[brace].close;
}

}  // namespace analysis
