// The Windows shell behind the core's Shell port: starting programs, the environment and the system's
// own folders.
#pragma once

#include "ports/shell.h"

namespace orv::win32 {

class WindowsShell final : public Shell {
public:
    void open(std::uintptr_t owner, const std::wstring& program, const std::wstring& arguments,
              const std::wstring& directory) override;
    bool runsElevated() override;
    void openAsDesktopUser(const std::wstring& program, const std::wstring& arguments,
                           const std::wstring& directory) override;
    void startProgram(const std::wstring& program, const std::wstring& commandLine, const std::wstring& directory,
                      StartWindow window) override;
    std::unique_ptr<Environment> environment(EnvironmentScope scope) override;
    std::wstring systemFolder() override;
    std::wstring windowsFolder() override;
    std::wstring wow64SystemFolder() override;
};

}  // namespace orv::win32
