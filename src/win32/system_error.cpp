#include "win32/system_error.h"

#include "ports/failure.h"

namespace orv::win32 {

std::wstring SystemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length != 0 ? std::wstring(buffer, length) : L"Error " + std::to_wstring(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

void ThrowSystemError(const std::wstring& what, DWORD code) {
    throw Failure(what + L": " + SystemMessage(code));
}

void ThrowLastError(const std::wstring& what) {
    ThrowSystemError(what, GetLastError());
}

}  // namespace orv::win32
