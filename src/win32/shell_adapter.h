// The Windows shell behind the core's Shell port: starting programs, the environment and the system's
// own folders.
#pragma once

#include <windows.h>

#include "ports/shell.h"

namespace orv::win32 {

class WindowsShell final : public Shell {
public:
    // The window that owns what the shell shows for a request.
    void setOwner(HWND owner) { owner_ = owner; }

    void open(const std::wstring& program, const std::wstring& arguments, const std::wstring& directory) override;
    bool runsElevated() override;
    void openAsDesktopUser(const std::wstring& program, const std::wstring& arguments,
                           const std::wstring& directory) override;
    void startMinimized(const std::wstring& program, const std::wstring& commandLine, const std::wstring& directory) override;
    std::unique_ptr<Environment> environment(EnvironmentScope scope) override;
    std::wstring systemFolder() override;
    std::wstring windowsFolder() override;
    std::wstring wow64SystemFolder() override;

private:
    HWND owner_ = nullptr;
};

}  // namespace orv::win32
