#include "registration/registration_script.h"

#include <utility>

namespace registration {
namespace {

enum class TokenKind { Word, Quoted, Open, Close, Equals, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
    std::size_t line = 0;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// A GUID is the one name that may carry braces without quotes.
bool IsBracedName(std::string_view word) {
    return word.size() > 2 && word.front() == '{' && word.back() == '}' &&
           word.substr(1, word.size() - 2).find_first_of("{}") == std::string_view::npos;
}

class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {}

    // The tokens, ending with one of kind End.
    std::variant<std::vector<Token>, ScriptError> Run() {
        std::vector<Token> tokens;
        while (true) {
            SkipSpace();
            if (pos_ == text_.size()) {
                tokens.push_back({TokenKind::End, {}, line_});
                return tokens;
            }
            std::optional<ScriptError> error =
                text_[pos_] == '\'' ? ReadQuoted(tokens) : ReadWord(tokens);
            if (error) {
                return *error;
            }
        }
    }

  private:
    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) {
            line_ += text_[pos_] == '\n' ? 1 : 0;
            ++pos_;
        }
    }

    std::optional<ScriptError> ReadQuoted(std::vector<Token>& tokens) {
        Token token{TokenKind::Quoted, {}, line_};
        for (++pos_; pos_ < text_.size() && text_[pos_] != '\n'; ++pos_) {
            if (text_[pos_] != '\'') {
                token.text += text_[pos_];
            } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                token.text += '\'';
                ++pos_;
            } else {
                ++pos_;
                if (pos_ < text_.size() && !IsSpace(text_[pos_])) {
                    return ScriptError{line_, "white space expected after the closing quote of " +
                                                  Quoted(token.text)};
                }
                tokens.push_back(std::move(token));
                return std::nullopt;
            }
        }
        return ScriptError{token.line, "quoted text not closed before the end of the line"};
    }

    std::optional<ScriptError> ReadWord(std::vector<Token>& tokens) {
        std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_])) {
            ++pos_;
        }
        std::string_view word = text_.substr(start, pos_ - start);
        if (word.find('\'') != std::string_view::npos) {
            return ScriptError{
                line_, "a quote inside the word " + std::string(word) + "; quote the whole name"};
        }
        if (word == "{" || word == "}" || word == "=") {
            auto kind = word == "{" ? TokenKind::Open
                                    : (word == "}" ? TokenKind::Close : TokenKind::Equals);
            tokens.push_back({kind, std::string(word), line_});
            return std::nullopt;
        }
        if (word.find('=') != std::string_view::npos ||
            (word.find_first_of("{}") != std::string_view::npos && !IsBracedName(word))) {
            return ScriptError{line_, "'" + std::string(word) +
                                          "': braces and '=' must stand apart, separated by "
                                          "white space (quote a name that contains them)"};
        }
        tokens.push_back({TokenKind::Word, std::string(word), line_});
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

bool IsKeyword(const Token& token, std::string_view keyword) {
    return token.kind == TokenKind::Word && SameName(token.text, keyword);
}

bool IsAnyKeyword(const Token& token) {
    return IsKeyword(token, "val") || IsKeyword(token, "NoRemove") ||
           IsKeyword(token, "ForceRemove") || IsKeyword(token, "Delete");
}

std::string Describe(const Token& token) {
    switch (token.kind) {
        case TokenKind::Open:
            return "'{'";
        case TokenKind::Close:
            return "'}'";
        case TokenKind::Equals:
            return "'='";
        case TokenKind::End:
            return "the end of the script";
        case TokenKind::Quoted:
            return Quoted(token.text);
        case TokenKind::Word:
            break;
    }
    return token.text;
}

std::optional<std::uint32_t> ParseDword(std::string_view text) {
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 0xffffffffu) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(value);
}

class Parser {
  public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    std::variant<RegistrationScript, ScriptError> Run() {
        while (Peek().kind != TokenKind::End || !open_.empty()) {
            std::optional<ScriptError> error = open_.empty() ? ParseRoot() : ParseEntry();
            if (error) {
                return *error;
            }
        }
        return std::move(script_);
    }

  private:
    // A body being read: the key it belongs to (none for a root's) and the line of its '{'.
    struct Body {
        std::size_t key = kNoParent;
        std::string name;
        std::size_t line = 0;
    };

    const Token& Peek() const { return tokens_[next_]; }
    const Token& Take() {
        const Token& token = tokens_[next_];
        if (token.kind != TokenKind::End) {
            ++next_;
        }
        return token;
    }

    static ScriptError Expected(std::string_view what, const Token& found) {
        return ScriptError{found.line,
                           "expected " + std::string(what) + ", found " + Describe(found)};
    }

    std::optional<ScriptError> ParseRoot() {
        const Token& token = Take();
        std::optional<RegistryRoot> root;
        if (token.kind == TokenKind::Word) {
            root = ParseRootName(token.text);
        }
        if (!root) {
            if (token.kind == TokenKind::Close) {
                return ScriptError{token.line, "unbalanced '}': no open '{' to close"};
            }
            if (token.kind == TokenKind::Word || token.kind == TokenKind::Quoted) {
                return ScriptError{token.line, "unknown root " + Quoted(token.text) +
                                                   "; expected HKCR, HKLM or HKCU"};
            }
            return Expected("a root (HKCR, HKLM or HKCU)", token);
        }
        const Token& open = Take();
        if (open.kind != TokenKind::Open) {
            return Expected("'{' after the root " + token.text, open);
        }
        root_ = *root;
        open_.push_back({kNoParent, token.text, open.line});
        return std::nullopt;
    }

    std::optional<ScriptError> ParseEntry() {
        const Token& token = Peek();
        if (token.kind == TokenKind::End) {
            const Body& body = open_.back();
            return ScriptError{body.line, "unbalanced '{': the body of " + Quoted(body.name) +
                                              " is not closed before the end of the script"};
        }
        if (token.kind == TokenKind::Close) {
            Take();
            open_.pop_back();
            return std::nullopt;
        }
        if (IsKeyword(token, "val")) {
            return ParseNamedValue();
        }
        return ParseKey();
    }

    std::optional<ScriptError> ParseName(std::string_view after, std::string& name) {
        const Token& token = Take();
        if ((token.kind != TokenKind::Word && token.kind != TokenKind::Quoted) ||
            IsAnyKeyword(token)) {
            return Expected("a name " + std::string(after), token);
        }
        if (token.text.empty() || token.text.find('\\') != std::string::npos) {
            return ScriptError{token.line,
                               "the name " + Quoted(token.text) + " is empty or contains '\\'"};
        }
        name = token.text;
        return std::nullopt;
    }

    // `type data` after an '='.
    std::optional<ScriptError> ParseData(RegistryValue& data) {
        const Token& type = Take();
        bool text = IsKeyword(type, "s");
        if (!text && !IsKeyword(type, "d")) {
            if (type.kind != TokenKind::Word) {
                return Expected("a value type (s or d) after '='", type);
            }
            if (IsKeyword(type, "b") || IsKeyword(type, "m")) {
                return ScriptError{type.line,
                                   "value type '" + type.text + "' is not supported; use s or d"};
            }
            return ScriptError{type.line,
                               "unknown value type '" + type.text + "'; expected s or d"};
        }
        const Token& value = Take();
        if (text) {
            if (value.kind != TokenKind::Quoted) {
                return Expected("a 'quoted' text after s", value);
            }
            data = value.text;
            return std::nullopt;
        }
        std::optional<std::uint32_t> number;
        if (value.kind == TokenKind::Word || value.kind == TokenKind::Quoted) {
            number = ParseDword(value.text);
        }
        if (!number) {
            return Expected("a DWORD (decimal or 0x hexadecimal, up to 0xFFFFFFFF) after d", value);
        }
        data = *number;
        return std::nullopt;
    }

    std::optional<ScriptError> ParseNamedValue() {
        const Token& keyword = Take();
        const Body& body = open_.back();
        if (body.key == kNoParent) {
            return ScriptError{keyword.line, "'val' right below the root " + body.name +
                                                 "; a value belongs in a key"};
        }
        ScriptValue value;
        value.line = keyword.line;
        if (std::optional<ScriptError> error = ParseName("after 'val'", value.name)) {
            return error;
        }
        const Token& equals = Take();
        if (equals.kind != TokenKind::Equals) {
            return Expected("'=' after the value name " + Quoted(value.name), equals);
        }
        if (std::optional<ScriptError> error = ParseData(value.data)) {
            return error;
        }
        script_.keys[body.key].values.push_back(std::move(value));
        return std::nullopt;
    }

    std::optional<ScriptError> ParseKey() {
        ScriptKey key;
        key.root = root_;
        key.parent = open_.back().key;
        key.line = Peek().line;
        while (IsKeyword(Peek(), "NoRemove") || IsKeyword(Peek(), "ForceRemove")) {
            const Token& flag = Take();
            if (key.flag != KeyFlag::None) {
                return ScriptError{flag.line, "a key takes one of NoRemove and ForceRemove"};
            }
            key.flag = IsKeyword(flag, "NoRemove") ? KeyFlag::NoRemove : KeyFlag::ForceRemove;
        }
        if (IsKeyword(Peek(), "Delete")) {
            return ScriptError{Peek().line, "the keyword 'Delete' is not supported"};
        }
        if (std::optional<ScriptError> error = ParseName("for a key", key.name)) {
            return error;
        }
        if (open_.size() > kMaxScriptDepth) {
            return ScriptError{
                key.line, "keys nested deeper than " + std::to_string(kMaxScriptDepth) + " levels"};
        }
        if (Peek().kind == TokenKind::Equals) {
            Take();
            RegistryValue data;
            if (std::optional<ScriptError> error = ParseData(data)) {
                return error;
            }
            key.defaultValue = std::move(data);
        }
        script_.keys.push_back(std::move(key));
        if (Peek().kind == TokenKind::Open) {
            open_.push_back({script_.keys.size() - 1, script_.keys.back().name, Take().line});
        }
        return std::nullopt;
    }

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    RegistrationScript script_;
    RegistryRoot root_ = RegistryRoot::ClassesRoot;
    std::vector<Body> open_;
};

}  // namespace

std::string ScriptError::ToString() const {
    return line == 0 ? message : "line " + std::to_string(line) + ": " + message;
}

std::variant<RegistrationScript, ScriptError> RegistrationScript::Parse(std::string_view text) {
    auto tokens = Lexer(text).Run();
    if (auto* error = std::get_if<ScriptError>(&tokens)) {
        return *error;
    }
    return Parser(std::get<std::vector<Token>>(std::move(tokens))).Run();
}

}  // namespace registration
