#include "workbench/document_list.h"

#include "workbench/file_io.h"

namespace workbench {

ide::Ref<ide::Document> DocumentList::Item(long index) {
    if (index < 1 || index > Count())
        return nullptr;
    return documents_[static_cast<std::size_t>(index - 1)];
}

ide::Ref<ide::Document> DocumentList::Open(const std::string& path, const std::string&, bool) {
    std::string ignored;
    return OpenFile(path, ignored);
}

std::shared_ptr<TextDocument> DocumentList::OpenFile(const std::string& path, std::string& error) {
    std::string normalized = NormalizePath(path);
    std::shared_ptr<TextDocument> document = FindPath(normalized);
    if (!document) {
        std::string bytes;
        std::string reason = "empty path";
        std::optional<std::string> given;
        if (textSource_ && !normalized.empty() && (given = textSource_(normalized))) {
            bytes = std::move(*given);
        } else if (normalized.empty() || !ReadFileBytes(normalized, bytes, reason)) {
            error = "cannot read " + path + ": " + reason;
            return nullptr;
        }
        document = std::make_shared<TextDocument>(normalized, std::move(bytes), context_);
        documents_.push_back(document);
    }
    active_ = document;
    return document;
}

std::shared_ptr<TextDocument> DocumentList::Find(const ide::Document* document) const {
    for (const auto& candidate : documents_) {
        if (candidate.get() == document)
            return candidate;
    }
    return nullptr;
}

std::shared_ptr<TextDocument> DocumentList::FindPath(const std::string& normalizedPath) const {
    for (const auto& candidate : documents_) {
        if (candidate->Path() == normalizedPath)
            return candidate;
    }
    return nullptr;
}

bool DocumentList::Activate(const ide::Document* document) {
    std::shared_ptr<TextDocument> found = Find(document);
    if (!found)
        return false;
    active_ = found;
    return true;
}

}  // namespace workbench
