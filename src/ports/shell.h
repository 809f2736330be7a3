// Starting other programs.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

class Shell {
public:
    virtual ~Shell() = default;

    // One shell request: the default verb on `program` with `arguments`, in `directory`, a normal
    // window, owned by `owner`, not waited for. Throws when the shell refuses it; a user who declines
    // the elevation prompt is no failure.
    virtual void open(std::uintptr_t owner, const std::wstring& program, const std::wstring& arguments,
                      const std::wstring& directory) = 0;

    // Starts a command line with the given window style, not waited for.
    virtual void startProgram(const std::wstring& commandLine, int windowStyle) = 0;

    // Environment references (%Name%) in `text` replaced by their values; unknown ones stay.
    virtual std::wstring expandEnvironment(const std::wstring& text) = 0;

    // Whether a file (not a folder) exists at `path`.
    virtual bool isFile(const std::wstring& path) = 0;
};

}  // namespace orv
