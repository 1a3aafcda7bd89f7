// The clipboard in its real formats, and the code-page conversions its text forms need.
#include "win32/win_api.h"

#include <cstring>

#include "win32/win32_platform.h"

namespace win32 {

namespace {

// A zero-filled movable shared block holding the bytes; null when out of memory.
HGLOBAL SharedBlock(const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, bytes.size());
    if (!block)
        return nullptr;
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool Win32Platform::SetClipboard(const std::vector<sys::ClipboardBlock>& blocks) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    for (const sys::ClipboardBlock& block : blocks) {
        HGLOBAL data = SharedBlock(block.bytes);
        // The clipboard owns a block it took; one it refused is still ours.
        if (data && !SetClipboardData(static_cast<UINT>(block.format), data))
            GlobalFree(data);
    }
    CloseClipboard();
    return true;
}

std::string Win32Platform::AnsiToOem(const std::string& text) {
    std::string oem(text.size(), '\0');
    if (!text.empty() && !CharToOemBuffA(text.data(), oem.data(), static_cast<DWORD>(text.size())))
        return text;
    return oem;
}

std::u16string Win32Platform::AnsiToUnicode(const std::string& text) {
    if (text.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(length > 0 ? length : 0), u'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                            reinterpret_cast<wchar_t*>(wide.data()), length);
    }
    return wide;
}

bool Win32Platform::OffersUnicodeClipboard() {
    // The oldest family of the system reports itself with the top bit of the version set.
    return (GetVersion() & 0x80000000u) == 0;
}

}  // namespace win32
