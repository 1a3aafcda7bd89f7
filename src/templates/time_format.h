// The time( variable's format made safe for any C library's strftime: some treat a conversion
// they do not know as an invalid parameter, which by default ends the program, and older ones
// know only the C89 set.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace templates {

// The format rewritten to C89 conversions only: the conversions C99 added are spelled with C89
// ones or written out from `time`, the E and O modifiers are dropped, and anything C99 does not
// define (an unknown letter, a flag, a '%' ending the format) stays in the result as written.
std::string PortableTimeFormat(std::string_view format, const std::tm& time);

// strftime of the portable format into 128 characters; empty when the result does not fit.
std::string FormatTime(std::string_view format, const std::tm& time);

}  // namespace templates
