#include "lsp/document_symbol.h"

#include <map>

#include "analysis/code_map.h"
#include "analysis/file_member_scanner.h"
#include "analysis/line_feeds.h"

namespace lsp {

namespace {

namespace kind {
constexpr int kNamespace = 3;
constexpr int kClass = 5;
constexpr int kMethod = 6;
constexpr int kEnum = 10;
constexpr int kFunction = 12;
constexpr int kVariable = 13;
constexpr int kStruct = 23;
}  // namespace kind

bool IsIdentifier(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Whether `word` stands as a whole word in `text`.
bool HasWord(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const std::size_t after = at + word.size();
        if ((at == 0 || !IsIdentifier(text[at - 1])) &&
            (after == text.size() || !IsIdentifier(text[after])))
            return true;
    }
    return false;
}

// Where the name stands on its line: the whole name, else its last part; the line's start when
// it is not written there as one piece.
std::size_t FindName(std::string_view line, const std::string& name, std::size_t& length) {
    const std::size_t last = name.rfind("::");
    const std::string_view tail =
        last == std::string::npos ? name : std::string_view(name).substr(last + 2);
    for (std::string_view wanted : {std::string_view(name), tail}) {
        for (std::size_t at = line.find(wanted); at != std::string_view::npos;
             at = line.find(wanted, at + 1)) {
            const std::size_t after = at + wanted.size();
            if ((at == 0 || !IsIdentifier(line[at - 1])) &&
                (after == line.size() || !IsIdentifier(line[after]))) {
                length = wanted.size();
                return at;
            }
        }
    }
    length = 0;
    return 0;
}

int KindOf(std::string_view before, std::string_view after, bool qualified) {
    if (HasWord(before, "namespace"))
        return kind::kNamespace;
    if (HasWord(before, "enum"))
        return kind::kEnum;
    if (HasWord(before, "class"))
        return kind::kClass;
    if (HasWord(before, "struct") || HasWord(before, "union"))
        return kind::kStruct;
    const std::size_t next = after.find_first_not_of(" \t");
    if (next != std::string_view::npos && after[next] == '(')
        return qualified ? kind::kMethod : kind::kFunction;
    return kind::kVariable;
}

Json SymbolJson(const ScannedSymbol& symbol) {
    return {{"name", symbol.name},
            {"kind", symbol.kind},
            {"range", ToJson(symbol.range)},
            {"selectionRange", ToJson(symbol.selectionRange)},
            {"children", Json::array()}};
}

// Gathers the X::f among `symbols` under one "X" each, placed where the first of them was.
void GroupByClass(Json& symbols) {
    Json grouped = Json::array();
    std::map<std::string, std::size_t> classes;
    for (Json& symbol : symbols) {
        const std::string& name = symbol["name"].get_ref<const std::string&>();
        const std::size_t last = name.rfind("::");
        if (last == std::string::npos || last == 0) {
            grouped.push_back(std::move(symbol));
            continue;
        }
        const std::string owner = name.substr(0, last);
        symbol["name"] = name.substr(last + 2);
        auto [found, added] = classes.try_emplace(owner, grouped.size());
        if (added) {
            grouped.push_back({{"name", owner},
                               {"kind", kind::kClass},
                               {"range", symbol["range"]},
                               {"selectionRange", symbol["selectionRange"]},
                               {"children", Json::array()}});
        }
        Json& owning = grouped[found->second];
        owning["range"]["end"] = symbol["range"]["end"];
        owning["children"].push_back(std::move(symbol));
    }
    symbols = std::move(grouped);
}

}  // namespace

std::vector<ScannedSymbol> ScanSymbols(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    // Only a text with CRs needs the copy that makes lone ones LFs.
    std::string withLf;
    if (text.find('\r') != std::string_view::npos)
        withLf = analysis::WithLfLines(std::string(text));
    const std::string_view scanned = withLf.empty() ? text : std::string_view(withLf);
    std::vector<std::string> names;
    std::vector<std::uint32_t> lineNumbers;
    analysis::ScanFileMembers(scanned, true, names, lineNumbers);
    const LineIndex lines(scanned);
    analysis::CodeMap code(scanned);
    std::vector<ScannedSymbol> symbols;
    symbols.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        ScannedSymbol symbol;
        const std::uint32_t line = lineNumbers[i] == 0 ? 0 : lineNumbers[i] - 1;
        symbol.start = lines.Offset({line, 0});
        const std::size_t lineEnd = lines.Offset({line, UINT32_MAX});
        const std::string_view lineText = scanned.substr(symbol.start, lineEnd - symbol.start);
        std::size_t length = 0;
        const std::size_t at = FindName(lineText, names[i], length);
        symbol.nameStart = symbol.start + at;
        symbol.nameEnd = symbol.nameStart + length;
        symbol.kind = KindOf(lineText.substr(0, at), lineText.substr(at + length),
                             names[i].find("::") != std::string::npos);
        symbol.end = lineEnd;
        const std::size_t brace = code.BraceFrom(symbol.nameEnd);
        if (brace != analysis::CodeMap::kNone) {
            const std::size_t close = code.Closing(brace);
            symbol.end = close == analysis::CodeMap::kNone ? scanned.size() : close + 1;
        }
        // The lines and characters are the same in the text with LFs.
        symbol.range = {lines.At(symbol.start), lines.At(symbol.end)};
        symbol.selectionRange = {lines.At(symbol.nameStart), lines.At(symbol.nameEnd)};
        symbol.name = std::move(names[i]);
        symbols.push_back(std::move(symbol));
    }
    return symbols;
}

Json DocumentSymbols(Workspace& workspace, const Json& params) {
    const std::optional<std::string> path = DocumentPath(params);
    if (!path)
        return nullptr;
    const OpenDocument* open = workspace.documents.Find(*path);
    std::optional<std::string> read;
    if (open == nullptr && !(read = workspace.documents.Text(*path)))
        return nullptr;
    const std::string_view text = open != nullptr ? std::string_view(open->text) : *read;
    const std::vector<ScannedSymbol> symbols = ScanSymbols(text);

    // Symbols nest by their ranges, so a stack of the open ones builds the tree in one pass.
    // Each symbol's children are complete when it closes.
    Json root = Json::array();
    struct Pending {
        Json symbol;
        std::size_t end;
    };
    std::vector<Pending> stack;
    const auto close = [&](std::size_t before) {
        while (!stack.empty() && stack.back().end <= before) {
            Pending done = std::move(stack.back());
            stack.pop_back();
            GroupByClass(done.symbol["children"]);
            (stack.empty() ? root : stack.back().symbol["children"])
                .push_back(std::move(done.symbol));
        }
    };
    for (const ScannedSymbol& symbol : symbols) {
        close(symbol.start);
        stack.push_back({SymbolJson(symbol), symbol.end});
    }
    close(SIZE_MAX);
    GroupByClass(root);
    return root;
}

}  // namespace lsp
