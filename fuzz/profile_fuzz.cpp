// The profile file: what it reads it writes back so that it reads the same, and writing that
// again changes nothing.
#include <cstdlib>
#include <string>
#include <variant>

#include "settings/profile_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = settings::ProfileDocument::Parse(text);
    const auto* document = std::get_if<settings::ProfileDocument>(&parsed);
    if (document == nullptr)
        return 0;
    const std::string written = document->Serialize();
    const auto again = settings::ProfileDocument::Parse(written);
    const auto* reread = std::get_if<settings::ProfileDocument>(&again);
    if (reread == nullptr || !(*reread == *document) || reread->Serialize() != written)
        std::abort();
    return 0;
}
