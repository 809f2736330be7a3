// Platform error codes turned into the program's failures.
#pragma once

#include <windows.h>

#include <string>

namespace orv::win32 {

// The system's own text for an error code, without the trailing line break.
std::wstring SystemMessage(DWORD code);

// Throws a Failure whose description is `what` followed by the system's reason.
[[noreturn]] void ThrowSystemError(const std::wstring& what, DWORD code);
[[noreturn]] void ThrowLastError(const std::wstring& what);
// Throws a Failure with the system's reason alone, for a caller that names what failed (ports/failure.h).
[[noreturn]] void ThrowReason(DWORD code);

}  // namespace orv::win32
