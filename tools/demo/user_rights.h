// Starting a program as the user would by double-clicking it. Under Wine every process runs as an
// administrator with UAC's split token, whose limited half is what a user's own programs get on Windows;
// a program that the demo machine or the tests start should see itself as such a user's.
#pragma once

#include <windows.h>

namespace orv::e2e {

// The limited half of this process's token, as a token to start a process with, where this process is
// the elevated half of a split token; null otherwise (not elevated, or no UAC). The caller closes it.
inline HANDLE LimitedTwinOfThisProcess() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return nullptr;
    HANDLE limited = nullptr;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    TOKEN_LINKED_TOKEN linked{};
    DWORD size = 0;
    if (GetTokenInformation(token, TokenElevationType, &type, sizeof(type), &size) && type == TokenElevationTypeFull &&
        GetTokenInformation(token, TokenLinkedToken, &linked, sizeof(linked), &size)) {
        DuplicateTokenEx(linked.LinkedToken, TOKEN_ALL_ACCESS, nullptr, SecurityImpersonation, TokenPrimary, &limited);
        CloseHandle(linked.LinkedToken);
    }
    CloseHandle(token);
    return limited;
}

// Whether this process runs "as administrator", with a limited twin for the user's own programs.
inline bool RunsElevatedWithALimitedTwin() {
    const HANDLE limited = LimitedTwinOfThisProcess();
    if (limited == nullptr) return false;
    CloseHandle(limited);
    return true;
}

// CreateProcessW with the limited twin of this process's token where it has one; with this process's
// own token otherwise.
inline BOOL CreateProcessWithUsersRights(const wchar_t* program, wchar_t* commandLine, const wchar_t* directory,
                                         STARTUPINFOW* startup, PROCESS_INFORMATION* process) {
    const HANDLE limited = LimitedTwinOfThisProcess();
    if (limited == nullptr) {
        return CreateProcessW(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, directory, startup, process);
    }
    const BOOL started =
        CreateProcessAsUserW(limited, program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, directory, startup, process);
    CloseHandle(limited);
    return started;
}

}  // namespace orv::e2e
