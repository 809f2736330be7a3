#include "win32/system_error.h"

#include "ports/failure.h"
#include "win32/handles.h"

namespace orv::win32 {

std::wstring SystemMessage(DWORD code) {
    wchar_t* allocated = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&allocated), 0, nullptr);
    const UniqueLocalText buffer(allocated);
    std::wstring text = length != 0 ? std::wstring(buffer.get(), length) : L"Error " + std::to_wstring(code);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

void ThrowSystemError(const std::wstring& what, DWORD code) {
    throw Failure(what + L": " + SystemMessage(code));
}

void ThrowReason(DWORD code) {
    throw Failure(SystemMessage(code));
}

void ThrowLastError(const std::wstring& what) {
    ThrowSystemError(what, GetLastError());
}

}  // namespace orv::win32
