// Text crosses to the IDE as UTF-16 and lives in the core as 8-bit text of the ANSI code page.
#pragma once

#include "win32/win_api.h"

#include <exception>
#include <string>
#include <string_view>

namespace win32 {

// A COM failure that ends the command; the COM boundary answers its code.
class ComError : public std::exception {
  public:
    explicit ComError(HRESULT code) : code_(code) {}
    HRESULT Code() const { return code_; }
    const char* what() const noexcept override { return "COM error"; }

  private:
    HRESULT code_;
};

[[noreturn]] void ThrowOutOfMemory();

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// A new BSTR the caller owns; never null, even for the empty text.
BSTR AllocBstr(std::string_view text);
// A null BSTR is the empty text.
std::string FromBstr(BSTR text);

}  // namespace win32
