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
        std::optional<FileStamp> stamp;
        if (textSource_ && !normalized.empty() && (given = textSource_(normalized))) {
            document = std::make_shared<TextDocument>(normalized, std::move(*given), context_);
        } else if (std::shared_ptr<TextDocument> adopted = TakeAdopted(normalized)) {
            document = std::make_shared<TextDocument>(normalized, adopted->SharedContent(),
                                                      context_, adopted->ReadStamp());
        } else if (normalized.empty() || !ReadFileBytes(normalized, bytes, reason, &stamp)) {
            error = "cannot read " + path + ": " + reason;
            return nullptr;
        } else {
            document = std::make_shared<TextDocument>(
                normalized, std::make_shared<DocumentText>(std::move(bytes)), context_, stamp);
        }
        documents_.push_back(document);
    }
    active_ = document;
    return document;
}

void DocumentList::AdoptTexts(const DocumentList& other) {
    for (const std::shared_ptr<TextDocument>& document : other.documents_) {
        const DocumentText& text = document->Content();
        if (document->ReadStamp() && !text.Modified() && text.Bookmarks().empty())
            adopted_.emplace(document->Path(), document);
    }
}

std::shared_ptr<TextDocument> DocumentList::TakeAdopted(const std::string& normalizedPath) {
    const auto found = adopted_.find(normalizedPath);
    if (found == adopted_.end())
        return nullptr;
    std::shared_ptr<TextDocument> document = std::move(found->second);
    adopted_.erase(found);
    // Read again when the file changed since, as a first opening would.
    return StampOf(normalizedPath) == document->ReadStamp() ? document : nullptr;
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
