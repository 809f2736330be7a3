// A stand-in uninstaller for the tests: logs its start, an id and its working directory (probe_log.h),
// so a test can tell in which order, and in which folder, the program started several of them.
//   order_probe.exe LOG ID
//   other-name.exe ...       (a copy under another name, whatever its arguments: the default log, and
//                             its own file name as the id)
#include <windows.h>

#include <string>

#include "probe_log.h"

namespace {

std::wstring OwnName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L'\\') + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

std::wstring WorkingDirectory() {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool renamed = OwnName() != L"orvendale_order_probe";
    if (!renamed && argc < 3) return 2;
    const std::wstring log = renamed ? orv::probe::DefaultLog() : argv[1];
    return orv::probe::Append(log, renamed ? OwnName() : argv[2], WorkingDirectory()) ? 0 : 1;
}
