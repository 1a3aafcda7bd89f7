// Helpers the Windows tests share.
#pragma once

#include "win32/win_api.h"

#include <string>

namespace win32::testing {

// The library under test as Wine sees it: the build tree's path on drive Z:.
inline std::wstring LibraryPath() {
    std::wstring path;
    for (const char c : std::string(ZENTREL_DLL))
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path.starts_with(L"\\") ? L"Z:" + path : path;
}

// COM on the test's thread for the test's lifetime, in the apartment the IDE uses.
class ComApartment {
  public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    HRESULT Result() const { return result_; }

  private:
    HRESULT result_;
};

}  // namespace win32::testing
