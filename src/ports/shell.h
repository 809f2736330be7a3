// Starting other programs.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

class Shell {
public:
    virtual ~Shell() = default;

    // One shell request: the default verb on `program` (a full path) with `arguments`, in `directory`,
    // a normal window, owned by `owner`, not waited for. Throws when the shell refuses it; a user who
    // declines the elevation prompt is no failure.
    virtual void open(std::uintptr_t owner, const std::wstring& program, const std::wstring& arguments,
                      const std::wstring& directory) = 0;

    // Starts `program` (a full path) with the whole `commandLine`, its first word included, in the given
    // window style, not waited for.
    virtual void startProgram(const std::wstring& program, const std::wstring& commandLine, int windowStyle) = 0;

    // Environment references (%Name%) in `text` replaced by their values; unknown ones stay.
    virtual std::wstring expandEnvironment(const std::wstring& text) = 0;

    // Whether a file (not a folder) exists at `path`.
    virtual bool isFile(const std::wstring& path) = 0;

    // Where Windows keeps its own programs: the system folder (System32) and the Windows folder.
    virtual std::wstring systemFolder() = 0;
    virtual std::wstring windowsFolder() = 0;
};

}  // namespace orv
