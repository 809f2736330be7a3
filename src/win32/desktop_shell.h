// Starting a program with the rights of the desktop's user, from a program that runs as administrator:
// the desktop's own shell (Explorer) is asked to start it, as the user would by double-clicking it.
#pragma once

#include <string>

namespace orv::win32 {

// Whether this process runs with the full rights of an administrator whose own programs get less: UAC's
// elevated half of a split token. (With UAC off, the user's own programs have the same rights.) Throws
// Failure when the process's token cannot be read.
bool RunsElevated();

// Has the desktop's shell start `program` with `arguments` in `directory`, in a normal window, through
// its IShellDispatch2::ShellExecute. Throws Failure, saying why, when there is no desktop shell, when it
// runs as another user, or when it refuses. Needs COM on this thread.
void OpenAsDesktopUser(const std::wstring& program, const std::wstring& arguments, const std::wstring& directory);

}  // namespace orv::win32
