#include "lsp/document_store.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "lsp/uri.h"

namespace lsp {

void DocumentStore::Open(const std::string& path, OpenDocument document) {
    documents_[path] = std::move(document);
}

bool DocumentStore::Change(const std::string& path, std::int64_t version,
                           std::vector<TextChange> changes) {
    const auto found = documents_.find(path);
    if (found == documents_.end())
        return false;
    std::string& text = found->second.text;
    for (TextChange& change : changes) {
        if (!change.range) {
            text = std::move(change.text);
            continue;
        }
        const LineIndex lines(text);
        std::size_t begin = lines.Offset(change.range->start);
        std::size_t end = lines.Offset(change.range->end);
        if (end < begin)
            std::swap(begin, end);
        text.replace(begin, end - begin, change.text);
    }
    found->second.version = version;
    return true;
}

const OpenDocument* DocumentStore::Find(const std::string& path) const {
    const auto found = documents_.find(path);
    return found == documents_.end() ? nullptr : &found->second;
}

std::optional<std::string> DocumentStore::Text(const std::string& path) const {
    if (const OpenDocument* document = Find(path))
        return document->text;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    if (!in.is_open() || in.bad())
        return std::nullopt;
    return text;
}

std::string DocumentStore::Uri(const std::string& path) const {
    const OpenDocument* document = Find(path);
    return document ? document->uri : PathToUri(path);
}

}  // namespace lsp
