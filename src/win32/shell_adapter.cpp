#include "win32/shell_adapter.h"

#include <windows.h>
#include <shellapi.h>
#include <userenv.h>  // the functions' types; the DLL itself is loaded from the system folder

#include <utility>
#include <vector>

#include "ports/failure.h"
#include "win32/desktop_shell.h"
#include "win32/handles.h"
#include "win32/system_error.h"
#include "win32/system_library.h"

namespace orv::win32 {
namespace {

// A folder from one of the calls that answer the length they need when the buffer is too small.
std::wstring FolderFrom(UINT(WINAPI* query)(LPWSTR, UINT), const wchar_t* failure) {
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = query(folder.data(), static_cast<UINT>(folder.size()));
        if (length == 0) ThrowLastError(failure);
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);
    }
}

// The shell and the loader take no path of MAX_PATH characters or more, for a program or its working
// directory, though the file system does: such a path goes in its short form, where the volume keeps
// one. Otherwise it goes as it is, and the shell's refusal says why.
bool IsLong(const std::wstring& path) {
    return path.size() >= MAX_PATH - 12;  // room for a program's name within a directory
}

std::wstring ForTheShell(const std::wstring& path) {
    if (!IsLong(path)) return path;
    std::wstring shortPath(path.size() + 1, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length == 0 || length >= shortPath.size()) return path;
    shortPath.resize(length);
    return shortPath;
}

// Starts `program` with the whole `commandLine` in `directory`; false, with the system's reason as the
// last error, when it cannot.
bool StartProcess(const std::wstring& program, const std::wstring& commandLine, const std::wstring& directory,
                  WORD show) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION process{};
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    if (!CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                        &startup, &process)) {
        return false;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    return true;
}

// Names that begin with "=" hold the current folder of each drive: no command refers to them.
bool IsVariableName(const std::wstring& name) {
    return !name.empty() && name.front() != L'=';
}

// The machine's own variables, as Windows gives them to a process of no user: what the registry of
// the machine sets, which only an administrator can change.
class MachineEnvironment final : public Environment {
public:
    MachineEnvironment() {
        const SystemLibrary userenv(L"userenv.dll");
        auto* const create = userenv.find<decltype(CreateEnvironmentBlock)>("CreateEnvironmentBlock");
        auto* const destroy = userenv.find<decltype(DestroyEnvironmentBlock)>("DestroyEnvironmentBlock");
        if (create == nullptr || destroy == nullptr) ThrowLastError(L"Could not read the machine's environment");
        void* block = nullptr;
        if (!create(&block, nullptr, FALSE)) ThrowLastError(L"Could not read the machine's environment");
        const std::unique_ptr<void, decltype(destroy)> owned(block, destroy);
        for (auto* entry = static_cast<const wchar_t*>(block); *entry != L'\0'; entry += wcslen(entry) + 1) {
            const std::wstring_view text(entry);
            const auto equals = text.find(L'=', 1);
            if (equals != std::wstring_view::npos) variables_.emplace_back(text.substr(0, equals), text.substr(equals + 1));
        }
    }

    [[nodiscard]] std::optional<std::wstring> value(const std::wstring& name) const override {
        if (!IsVariableName(name)) return std::nullopt;
        for (const auto& [variable, value] : variables_) {
            if (CompareStringOrdinal(variable.c_str(), -1, name.c_str(), -1, TRUE) == CSTR_EQUAL) return value;
        }
        return std::nullopt;
    }

private:
    std::vector<std::pair<std::wstring, std::wstring>> variables_;
};

// This program's own environment, which the user's settings shape.
class UserEnvironment final : public Environment {
public:
    [[nodiscard]] std::optional<std::wstring> value(const std::wstring& name) const override {
        if (!IsVariableName(name)) return std::nullopt;
        std::wstring value(256, L'\0');
        for (;;) {
            SetLastError(ERROR_SUCCESS);
            const DWORD length = GetEnvironmentVariableW(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
            if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            if (length < value.size()) {
                value.resize(length);
                return value;
            }
            value.resize(length);  // the length it needs, its terminator included
        }
    }
};

}  // namespace

void WindowsShell::open(const std::wstring& program, const std::wstring& arguments, const std::wstring& directory) {
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof(request);
    // The shell shows no box of its own: a refusal is reported once, by the caller's trap. NOASYNC:
    // the request is finished before the call returns, so the next row's uninstaller starts after this
    // one and nothing is left half-done when the list is rebuilt.
    request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    request.hwnd = owner_;
    const std::wstring file = ForTheShell(program);
    const std::wstring folder = ForTheShell(directory);
    request.lpFile = file.c_str();
    request.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    request.lpDirectory = folder.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&request)) return;
    const DWORD error = GetLastError();
    if (error == ERROR_CANCELLED) {
        return;  // the user declined the elevation prompt: a choice, not a failure
    }
    // A shell that looks at a long path through COM (Wine's does) finds nothing there, even by its short
    // form; the program itself starts, as long as it needs no elevation.
    const bool notFound = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    if (notFound && IsLong(program)) {
        if (StartProcess(file, L"\"" + file + L"\" " + arguments, folder, SW_SHOWNORMAL)) return;
        ThrowReason(GetLastError());
    }
    ThrowReason(error);
}

bool WindowsShell::runsElevated() {
    return RunsElevated();
}

void WindowsShell::openAsDesktopUser(const std::wstring& program, const std::wstring& arguments,
                                     const std::wstring& directory) {
    OpenAsDesktopUser(ForTheShell(program), arguments, ForTheShell(directory));
}

// The program is named as the application, so no search (which would look in our own folder first)
// decides which file runs.
void WindowsShell::startMinimized(const std::wstring& program, const std::wstring& commandLine,
                                  const std::wstring& directory) {
    if (!StartProcess(program, commandLine, directory, SW_SHOWMINIMIZED)) {
        ThrowLastError(L"Could not start \"" + commandLine + L"\"");
    }
}

std::unique_ptr<Environment> WindowsShell::environment(EnvironmentScope scope) {
    if (scope == EnvironmentScope::Machine) return std::make_unique<MachineEnvironment>();
    return std::make_unique<UserEnvironment>();
}

std::wstring WindowsShell::systemFolder() {
    return FolderFrom(&GetSystemDirectoryW, L"Could not find the system folder");
}

std::wstring WindowsShell::windowsFolder() {
    return FolderFrom(&GetSystemWindowsDirectoryW, L"Could not find the Windows folder");
}

// Windows without 32-bit programs answers that it has no such folder.
std::wstring WindowsShell::wow64SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemWow64DirectoryW(folder, MAX_PATH);
    if (length == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) return {};
    if (length == 0 || length >= MAX_PATH) ThrowLastError(L"Could not find the 32-bit system folder");
    return {folder, length};
}

}  // namespace orv::win32
