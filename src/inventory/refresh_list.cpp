#include "inventory/refresh_list.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "inventory/uninstall_key_walk.h"
#include "inventory/uninstaller_file.h"
#include "ports/failure.h"
#include "services/locations.h"
#include "services/trap.h"

namespace orv {
namespace {

// The numbered steps of one refresh, source by source and entry by entry.
class RefreshRun {
public:
    explicit RefreshRun(const InventoryPorts& ports) : ports_(ports), trap_(location::kRefreshList, ports.reporter) {}

    void run() {
        RedrawSuspended quiet(ports_.list);
        trap_.step(102, [&] { ports_.list.clear(); });
        for (const auto source : kUninstallSources) {
            listSource(source);
        }
    }

private:
    void listSource(RegistrySource source) {
        std::unique_ptr<RegistryKey> key;
        trap_.step(104, [&] { key = ports_.registry.open(source, kUninstallKey); });
        if (key) {
            UninstallKeyWalk(*key, source, trap_).forEachEntry([&](std::wstring_view name, const EntryValues& values) {
                listEntry(source, name, values);
            });
        }
        trap_.step(178, [&] { key.reset(); });
    }

    // A value that could not be read is reported by the step that takes it, as if the read had failed
    // there: most entries are read while the key is walked, before any row is listed, and a report then
    // would name the walk's line and come before the reports of the rows listed earlier.
    void listEntry(RegistrySource source, std::wstring_view name, const EntryValues& values) {
        std::wstring_view displayName;
        std::wstring_view command;
        trap_.step(122, [&] {
            if (values.displayNameFailure) throw Failure(*values.displayNameFailure);
            displayName = values.displayName;
        });
        trap_.step(124, [&] {
            if (values.commandFailure) throw Failure(*values.commandFailure);
            command = values.command;
        });
        trap_.step(126, [&] { uninstallerFile_.assign(command); });
        if (trap_.entersBlock(128, [&] { return displayName.empty() || command.empty(); })) {
            return;  // no row for an entry without a name or a command
        }
        std::size_t row = 0;
        trap_.step(132, [&] { row = ports_.list.add(displayName, source); });
        trap_.step(134, [&] { ports_.list.setSubItem(row, kUninstallCommandItem, command); });
        trap_.step(136, [&] { ports_.list.setSubItem(row, kKeyNameItem, name); });
        fillUninstallerFile(row);
    }

    // The "FileExists" column: the file the command runs, or the marker for Windows Installer commands.
    // The "Uninstall" column keeps the command as read, rundll32 commands included. The file is cut
    // out of the command in place.
    void fillUninstallerFile(std::size_t row) {
        std::wstring& file = uninstallerFile_;
        TextCase& textCase = ports_.textCase;
        if (trap_.entersBlock(138, [&] {
                textCase.lowerInto(file, lowered_);
                return !RunsWindowsInstaller(lowered_);
            })) {
            trap_.step(140, [&] { std::erase(file, L'"'); });
            trap_.step(144, [&] {
                textCase.lowerInto(file, lowered_);
                file.swap(lowered_);
            });
            trap_.step(146, [&] { WithoutRundllExtension(file); });
            std::size_t position = 0;
            trap_.step(150, [&] { position = PreferredExtensionPosition(file); });
            trap_.step(160, [&] { CutAfterExtension(file, position); });
            if (trap_.entersBlock(162, [&] { return NamesRundll(file); })) {
                trap_.step(164, [&] { ports_.list.setSubItem(row, kUninstallerFileItem, ExtractDrivePath(file)); });
            } else {
                trap_.step(168, [&] { ports_.list.setSubItem(row, kUninstallerFileItem, file); });
            }
        } else {
            trap_.step(170, [&] { ports_.list.setSubItem(row, kUninstallerFileItem, kWindowsInstallerMarker); });
        }
    }

    const InventoryPorts& ports_;
    Trap trap_;
    // Room for each entry's texts, kept from one entry to the next.
    std::wstring uninstallerFile_;
    std::wstring lowered_;
};

}  // namespace

void RefreshList(const InventoryPorts& ports) {
    RefreshRun(ports).run();
}

}  // namespace orv
