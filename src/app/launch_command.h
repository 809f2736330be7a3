// Starting the uninstall commands of one batch: each program found by its full path, as the installer
// that wrote the command saw the machine, and started in its own folder.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/program_search.h"
#include "ports/files.h"
#include "ports/registry.h"
#include "ports/shell.h"

namespace orv {

class CommandLauncher {
public:
    // Asks the shell nothing yet: what a source needs is gathered at its first command.
    CommandLauncher(Shell& shell, Files& files, Registry& registry) : shell_(shell), files_(files), registry_(registry) {}

    // Refuses an over-long command, expands its environment references, finds its program and makes
    // one shell request with the program's folder as working directory. Throws Failure, naming the
    // command, when the program is not there or the shell refuses.
    //
    // The source decides how the command is read. Entries of the machine take the machine's own
    // variables, not the user's, whom an elevated uninstaller must not trust; per-user entries take
    // the user's. An entry of the 32-bit view was written by a 32-bit installer, which on 64-bit
    // Windows sees the 32-bit system folder and "Program Files (x86)". When this program runs as
    // administrator, a per-user entry is started by the desktop's shell with the user's own rights, or
    // refused when the desktop cannot.
    //
    // A Windows Installer entry (`keyName` its product code) whose command opens the product's
    // maintenance ("MsiExec.exe /I{code}") is removed by its code instead, as Windows' own list does.
    void launch(const std::wstring& commandText, RegistrySource source, const std::wstring& keyName);

private:
    // How the installers of one source saw the machine.
    struct InstallersView {
        std::unique_ptr<Environment> environment;
        bool sees32Bit = false;  // a 32-bit installer on 64-bit Windows
        ProgramSearch search;
    };
    InstallersView& viewOf(RegistrySource source);
    // Whether this program runs as administrator, asked once for the batch.
    bool runsElevated(const std::wstring& commandText);
    [[nodiscard]] std::wstring expanded(const std::wstring& commandText, const InstallersView& view) const;

    Shell& shell_;
    Files& files_;
    Registry& registry_;
    std::map<RegistrySource, InstallersView> views_;
    std::optional<bool> elevated_;
};

}  // namespace orv
