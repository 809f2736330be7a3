#include "inventory/refresh_list.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "inventory/registry_text.h"
#include "ports/failure.h"
#include "services/locations.h"
#include "services/trap.h"

namespace orv {
namespace {

// A key whose indexes keep failing (one being rewritten by an installer, say) is given up after this
// many unreadable indexes in a row, so that the listing always ends.
constexpr int kUnreadableIndexesBeforeGivingUp = 64;
constexpr int kWalksWhileTheKeyChanges = 10;

bool Contains(const std::wstring& text, std::wstring_view part) {
    return text.find(part) != std::wstring::npos;
}

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
    for (auto at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// 1-based position of the first ".exe"; failing that of the first ".inf"; failing that of the first
// ".dll"; 0 when there is none of them.
std::size_t PreferredExtensionPosition(const std::wstring& text) {
    for (const std::wstring_view extension : {L".exe", L".inf", L".dll"}) {
        const auto at = text.find(extension);
        if (at != std::wstring::npos) {
            return at + 1;
        }
    }
    return 0;
}

// How a report names the place of an unreadable entry.
std::wstring SourceName(RegistrySource source) {
    switch (source) {
    case RegistrySource::Machine64: return std::wstring(L"HKEY_LOCAL_MACHINE\\") + kUninstallKey + L" (64-bit)";
    case RegistrySource::Machine32: return std::wstring(L"HKEY_LOCAL_MACHINE\\") + kUninstallKey + L" (32-bit)";
    case RegistrySource::CurrentUser: return std::wstring(L"HKEY_CURRENT_USER\\") + kUninstallKey;
    }
    return kUninstallKey;
}

// The names of a walk, one after another in one text: thousands of them cost a handful of allocations.
class KeyNames {
public:
    void add(std::wstring_view name) {
        text_.append(name);
        ends_.push_back(text_.size());
    }
    [[nodiscard]] std::size_t size() const { return ends_.size(); }
    [[nodiscard]] std::wstring_view operator[](std::size_t at) const {
        const std::size_t start = at == 0 ? 0 : ends_[at - 1];
        return std::wstring_view(text_).substr(start, ends_[at] - start);
    }

private:
    std::wstring text_;
    std::vector<std::size_t> ends_;
};

class RefreshRun {
public:
    explicit RefreshRun(const InventoryPorts& ports)
        : ports_(ports), trap_(location::kRefreshList, ports.reporter) {}

    void run() {
        RedrawSuspended quiet(ports_.list);
        trap_.step(102, [&] { ports_.list.clear(); });
        for (const auto source : kUninstallSources) {
            listSource(source);
        }
    }

private:
    void listSource(RegistrySource source) {
        source_ = source;
        unreadableReported_ = false;
        std::unique_ptr<RegistryKey> key;
        trap_.step(104, [&] { key = ports_.registry.open(source, kUninstallKey, KeyAccess::EnumerateSubKeys); });
        if (key) {
            const KeyNames names = subKeyNames(*key);
            for (std::size_t at = 0; at < names.size(); ++at) {
                listEntry(*key, names[at]);
            }
        }
        trap_.step(178, [&] { key.reset(); });
    }

    // Installers add and remove entries while we read, which moves the others to other indexes. When
    // a sub-key was added or removed during a walk the key is walked again, and the names of all walks
    // are kept (a name whose entry has gone since simply finds nothing to read), so no entry that stays
    // is missed.
    KeyNames subKeyNames(RegistryKey& key) {
        key.watchSubKeys();
        KeyNames names;
        walkSubKeys(key, names);
        if (!key.subKeysChanged()) return names;  // a walk of a key that held still names each entry once
        std::set<std::wstring, std::less<>> seen;
        KeyNames kept;
        const auto keepUnseen = [&](const KeyNames& walked) {
            for (std::size_t at = 0; at < walked.size(); ++at) {
                if (seen.emplace(walked[at]).second) kept.add(walked[at]);
            }
        };
        keepUnseen(names);
        for (int walk = 1; walk < kWalksWhileTheKeyChanges; ++walk) {
            KeyNames again;
            walkSubKeys(key, again);
            keepUnseen(again);
            if (!key.subKeysChanged()) break;
        }
        return kept;
    }

    void walkSubKeys(RegistryKey& key, KeyNames& names) {
        std::uint32_t index = 0;
        // Walk while the last enumeration found a sub-key or could not read one.
        bool more = true;
        int unreadableInARow = 0;
        std::wstring name;  // the adapter gives every name room enough, up to the registry's 255 characters
        while (more) {
            std::optional<EnumerationResult> result;
            trap_.step(114, [&] { result = readSubKeyName(key, index, name); });
            if (result == EnumerationResult::Found) {
                unreadableInARow = 0;
                names.add(name);
            } else if (result == EnumerationResult::NoMoreItems ||
                       ++unreadableInARow >= kUnreadableIndexesBeforeGivingUp) {
                more = false;
            }
            trap_.step(176, [&] { ++index; });
        }
    }

    // The first index of a source that cannot be read is reported; later ones in the same source are
    // skipped quietly, so one broken key gives one box. Nothing (an empty answer) for a skipped index.
    std::optional<EnumerationResult> readSubKeyName(RegistryKey& key, std::uint32_t index, std::wstring& name) {
        try {
            return key.subKeyName(index, name);
        } catch (const Failure& unreadable) {
            if (unreadableReported_) return std::nullopt;
            unreadableReported_ = true;
            throw Failure(L"Could not read entry " + std::to_wstring(index) + L" of " + SourceName(source_) + L": " +
                          unreadable.description());
        }
    }

    void listEntry(RegistryKey& uninstallKey, std::wstring_view name) {
        keyName_.assign(name);
        std::wstring_view displayName;  // these two lie in the value buffers
        std::wstring_view command;
        {
            // One open key serves all reads of the entry.
            std::unique_ptr<RegistryKey> entry;
            trap_.step(122, [&] {
                entry = uninstallKey.openSubKey(keyName_);
                displayName = ReadRegistryString(entry.get(), kDisplayNameValue, displayNameValue_).value_or(L"");
            });
            trap_.step(124, [&] {
                command = ReadRegistryString(entry.get(), kUninstallStringValue, commandValue_).value_or(L"");
            });
            trap_.step(126, [&] { uninstallerFile_.assign(command); });
        }
        if (trap_.test(128, [&] { return displayName.empty() || command.empty(); })) {
            return;  // no row for an entry without a name or a command
        }
        std::size_t row = 0;
        trap_.step(132, [&] { row = ports_.list.add(displayName); });
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
        if (trap_.test(138, [&] {
                textCase.lowerInto(file, lowered_);
                return !Contains(lowered_, L"msiexec.exe");
            })) {
            trap_.step(140, [&] { std::erase(file, L'"'); });
            trap_.step(144, [&] {
                textCase.lowerInto(file, lowered_);
                file.swap(lowered_);
            });
            // Keeps the launcher's own extension out of the search below.
            trap_.step(146, [&] { ReplaceAll(file, L"rundll32.exe", L"rundll32"); });
            std::size_t position = 0;
            trap_.step(150, [&] { position = PreferredExtensionPosition(file); });
            // The position counts from 1 and names the extension's dot, so the text up to the end of
            // the three letters after it is position + 3 long.
            trap_.step(160, [&] { file.resize(std::min(file.size(), position + 3)); });
            if (trap_.test(162, [&] { return Contains(file, L"rundll32"); })) {
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
    RegistrySource source_ = RegistrySource::Machine64;
    bool unreadableReported_ = false;
    // Room for each entry's texts, kept from one entry to the next.
    std::wstring keyName_;
    RegistryValue displayNameValue_;
    RegistryValue commandValue_;
    std::wstring uninstallerFile_;
    std::wstring lowered_;
};

}  // namespace

void RefreshList(const InventoryPorts& ports) {
    RefreshRun(ports).run();
}

}  // namespace orv
