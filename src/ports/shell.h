// Starting other programs, and what Windows says of where programs are.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace orv {

// Whose values environment references take.
enum class EnvironmentScope {
    Machine,  // the machine's own variables, which only an administrator can change
    User,     // this program's environment, which the user's own settings shape
};

// Environment variables as they stood when asked for; a name matches in any letter case.
class Environment {
public:
    virtual ~Environment() = default;
    [[nodiscard]] virtual std::optional<std::wstring> value(const std::wstring& name) const = 0;
};

class Shell {
public:
    virtual ~Shell() = default;

    // One shell request: the default verb on `program` (a full path) with `arguments`, in `directory`,
    // a normal window, owned by the main window, not waited for. Throws Failure with the system's reason
    // when the shell refuses it; a user who declines the elevation prompt is no failure.
    virtual void open(const std::wstring& program, const std::wstring& arguments, const std::wstring& directory) = 0;

    // Whether this program runs with more rights than its user's own programs get: started "as
    // administrator", with the user's limited rights set aside. Throws Failure when it cannot tell.
    virtual bool runsElevated() = 0;
    // The same request as `open`, made by the desktop's shell, so that the program runs with the rights
    // of the desktop's user rather than ours; not waited for. Throws Failure, saying why, when the
    // desktop cannot take it: there is no desktop shell, it is another user's, or it refuses.
    virtual void openAsDesktopUser(const std::wstring& program, const std::wstring& arguments,
                                   const std::wstring& directory) = 0;

    // Starts `program` (a full path) with the whole `commandLine`, its first word included, in
    // `directory`, minimised with the focus, not waited for.
    virtual void startMinimized(const std::wstring& program, const std::wstring& commandLine,
                                const std::wstring& directory) = 0;

    // The variables of a scope; throws Failure when they cannot be read.
    virtual std::unique_ptr<Environment> environment(EnvironmentScope scope) = 0;

    // Where Windows keeps its own programs: the system folder (System32) and the Windows folder.
    virtual std::wstring systemFolder() = 0;
    virtual std::wstring windowsFolder() = 0;
    // The folder that 32-bit programs see as the system folder on 64-bit Windows (SysWOW64); empty on
    // a Windows without one.
    virtual std::wstring wow64SystemFolder() = 0;
};

}  // namespace orv
