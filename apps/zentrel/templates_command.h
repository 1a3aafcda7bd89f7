// `zentrel templates`: the template tree as the template menu shows it.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace app {

int RunTemplates(const std::optional<std::string>& templates, std::ostream& out,
                 std::ostream& errors);

}  // namespace app
