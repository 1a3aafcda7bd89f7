#include "win32/ansi_text.h"

#include <climits>
#include <new>

namespace win32 {

namespace {

int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX))
        ThrowOutOfMemory();
    return static_cast<int>(size);
}

// Conversion failures other than memory leave the text empty, as a failed IDE call would.
void ThrowIfOutOfMemory() {
    if (GetLastError() == ERROR_NOT_ENOUGH_MEMORY || GetLastError() == ERROR_OUTOFMEMORY)
        ThrowOutOfMemory();
}

}  // namespace

void ThrowOutOfMemory() {
    throw ComError(E_OUTOFMEMORY);
}

std::wstring Widen(std::string_view text) {
    if (text.empty())
        return {};
    const int size = CheckedLength(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (needed <= 0) {
        ThrowIfOutOfMemory();
        return {};
    }
    try {
        std::wstring wide(static_cast<std::size_t>(needed), L'\0');
        MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), needed);
        return wide;
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory();
    }
}

std::string Narrow(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = CheckedLength(text.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        ThrowIfOutOfMemory();
        return {};
    }
    try {
        std::string narrow(static_cast<std::size_t>(needed), '\0');
        WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), needed, nullptr, nullptr);
        return narrow;
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory();
    }
}

BSTR AllocBstr(std::string_view text) {
    const std::wstring wide = Widen(text);
    BSTR result = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (!result)
        ThrowOutOfMemory();
    return result;
}

std::string FromBstr(BSTR text) {
    if (!text)
        return {};
    return Narrow(std::wstring_view(text, SysStringLen(text)));
}

}  // namespace win32
