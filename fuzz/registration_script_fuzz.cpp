// The registrar's script: any text is refused with a line inside it or read into keys whose
// parents come before them.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <variant>

#include "registration/registration_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace registration;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t lines = std::count(text.begin(), text.end(), '\n') + 1;
    const auto parsed = RegistrationScript::Parse(text);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        if (error->line > lines || error->message.empty())
            std::abort();
        return 0;
    }
    const auto& keys = std::get<RegistrationScript>(parsed).keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].parent != kNoParent && keys[i].parent >= i)
            std::abort();
    }
    return 0;
}
