// The documents the editor has open, by path, with their text as the editor has it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lsp/utf16_position.h"

namespace lsp {

struct Range {
    Position start;
    Position end;
};

struct OpenDocument {
    std::string uri;  // as the editor wrote it, so answers name the document the same way
    std::string text;
    std::int64_t version = 0;
};

// One content change: a range replaced, or without one the whole text.
struct TextChange {
    std::optional<Range> range;
    std::string text;
};

class DocumentStore {
  public:
    void Open(const std::string& path, OpenDocument document);
    void Close(const std::string& path) { documents_.erase(path); }
    // Applies the changes in order, each to the text the one before left. Positions clamp as
    // LineIndex does; a range whose end comes before its start covers the text between them.
    // False for a document that is not open.
    bool Change(const std::string& path, std::int64_t version, std::vector<TextChange> changes);

    const OpenDocument* Find(const std::string& path) const;
    // The open text, or the file's bytes; nothing when neither can be had.
    std::optional<std::string> Text(const std::string& path) const;
    // The editor's URI for an open document, else one made from the path.
    std::string Uri(const std::string& path) const;
    const std::map<std::string, OpenDocument>& All() const { return documents_; }

  private:
    std::map<std::string, OpenDocument> documents_;
};

}  // namespace lsp
