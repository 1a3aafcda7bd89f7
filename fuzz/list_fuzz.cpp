// Lists as the options sheet reads them: a list joined as the sheet shows it reads back as the
// same list, in both path styles, with and without directory treatment; no item is empty.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "settings/list_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool directories = input.ConsumeBool();
    const auto style = input.ConsumeBool() ? editor::PathStyle::Windows : editor::PathStyle::Posix;
    const std::string text = input.ConsumeRemainingBytesAsString();

    const settings::StringList items = settings::ParseList(text, directories, style);
    for (const std::string& item : items) {
        if (item.empty())
            std::abort();
    }
    // A first item that begins with a double quote loses it when read, as the sheet always did.
    const std::string shown = settings::JoinList(items, directories ? ", " : ",");
    if (!shown.starts_with('"') && settings::ParseList(shown, directories, style) != items)
        std::abort();
    return 0;
}
