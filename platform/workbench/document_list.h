// The open documents in the order they were opened, and which of them is active.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "editor/ide.h"
#include "workbench/editor_context.h"
#include "workbench/text_document.h"

namespace workbench {

class DocumentList : public ide::Documents {
  public:
    explicit DocumentList(std::shared_ptr<const EditorContext> context)
        : context_(std::move(context)) {}

    long Count() override { return static_cast<long>(documents_.size()); }
    ide::Ref<ide::Document> Item(long index) override;
    // The view kind and the read-only flag make no difference here.
    ide::Ref<ide::Document> Open(const std::string& path, const std::string& viewKind,
                                 bool readOnly) override;

    // Opens the file, or finds it by its normalized path, and makes it active. On failure
    // `error` reads "cannot read PATH: reason".
    std::shared_ptr<TextDocument> OpenFile(const std::string& path, std::string& error);
    // The workbench's own document behind a reference, or null for a foreign one.
    std::shared_ptr<TextDocument> Find(const ide::Document* document) const;
    std::shared_ptr<TextDocument> FindPath(const std::string& normalizedPath) const;
    bool Activate(const ide::Document* document);

    const std::vector<std::shared_ptr<TextDocument>>& All() const { return documents_; }
    // Where a file's text comes from before the disk is asked: an editor's unsaved buffers.
    using TextSource = std::function<std::optional<std::string>(const std::string& path)>;
    void SetTextSource(TextSource source) { textSource_ = std::move(source); }
    const std::shared_ptr<TextDocument>& Active() const { return active_; }
    // The texts `other` read from files and left as read, taken over: opening one of those
    // files here takes its text instead of reading and indexing the file again, as long as the
    // file's stamp is still the one it had when read. `other` must not change them afterwards.
    void AdoptTexts(const DocumentList& other);

  private:
    // The adopted text for the path, unless its file changed since it was read.
    std::shared_ptr<TextDocument> TakeAdopted(const std::string& normalizedPath);

    std::shared_ptr<const EditorContext> context_;
    std::vector<std::shared_ptr<TextDocument>> documents_;
    std::shared_ptr<TextDocument> active_;
    TextSource textSource_;
    std::unordered_map<std::string, std::shared_ptr<TextDocument>> adopted_;
};

}  // namespace workbench
