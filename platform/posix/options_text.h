// The options sheet's pages on a terminal: as text, the way the sheet lays them out, and as the
// values a run records.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "settings/options_sheet.h"

namespace posix {

// Every page in tab order, each opened so that it shows the record's values.
std::string FormatOptionsSheet(settings::COptionsSheet& sheet);

// The values of the opened pages, by page caption and value name.
nlohmann::ordered_json OpenedPagesToJson(const settings::COptionsSheet& sheet);

// Applies one `Name=Value` to the page holding that name, opening it; the reason when it cannot.
std::optional<std::string> SetOption(settings::COptionsSheet& sheet, std::string_view assignment);

}  // namespace posix
