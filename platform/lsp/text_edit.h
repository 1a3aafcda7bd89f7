// A change of a document's text as one protocol edit: the part that differs, found from the
// common start and end of the old and new texts, so the edit is small and found in linear time.
#pragma once

#include <string>
#include <string_view>

#include "lsp/document_store.h"

namespace lsp {

struct TextEdit {
    Range range;  // in the old text
    std::string newText;
};

// The edit never splits a UTF-8 sequence or a CR LF pair.
TextEdit MinimalEdit(std::string_view before, std::string_view after);

}  // namespace lsp
