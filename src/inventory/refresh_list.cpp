#include "inventory/refresh_list.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inventory/registry_text.h"
#include "ports/failure.h"
#include "ports/shell.h"
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

// Texts one after another in one block: thousands of them cost a handful of allocations.
class PackedTexts {
public:
    void add(std::wstring_view text) {
        text_.append(text);
        ends_.push_back(text_.size());
    }
    void clear() {
        text_.clear();
        ends_.clear();
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

// An entry's two values as read, or why they could not be read. A failure is kept, to be reported by
// the step that takes the value, as if the read had failed there.
struct EntryValues {
    std::wstring_view displayName;
    std::wstring_view command;
    std::exception_ptr displayNameFailure;  // opening the entry, or reading its name
    std::exception_ptr commandFailure;
};

void RethrowIfFailed(const std::exception_ptr& failure) {
    if (failure) std::rethrow_exception(failure);
}

// The values of each entry a walk named, read as it named them.
class EarlyReads {
public:
    void add(const EntryValues& values) {
        texts_.add(values.displayName);
        texts_.add(values.command);
        failures_.emplace_back(values.displayNameFailure, values.commandFailure);
    }
    void clear() {
        texts_.clear();
        failures_.clear();
    }
    [[nodiscard]] std::size_t size() const { return failures_.size(); }
    [[nodiscard]] EntryValues operator[](std::size_t at) const {
        return {texts_[2 * at], texts_[2 * at + 1], failures_[at].first, failures_[at].second};
    }

private:
    PackedTexts texts_;  // each entry's name, then its command
    std::vector<std::pair<std::exception_ptr, std::exception_ptr>> failures_;
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
            EarlyReads early;
            const PackedTexts names = subKeyNames(*key, early);
            for (std::size_t at = 0; at < names.size(); ++at) {
                if (at < early.size()) {
                    listEntry(names[at], early[at]);
                } else {
                    keyName_.assign(names[at]);
                    listEntry(names[at], readEntry(*key, keyName_));
                }
            }
        }
        trap_.step(178, [&] { key.reset(); });
    }

    // Installers add and remove entries while we read, which moves the others to other indexes. When
    // a sub-key was added or removed during a walk the key is walked again, and the names of all walks
    // are kept (a name whose entry has gone since simply finds nothing to read), so no entry that stays
    // is missed.
    //
    // The first walk reads each entry as it names it, into `early`: the registry answers for an entry
    // it has just named faster than for one named thousands of entries before. Those reads count only
    // if no sub-key was added or removed during the walk; otherwise every entry is read after the
    // walks, so that one removed meanwhile is not listed.
    PackedTexts subKeyNames(RegistryKey& key, EarlyReads& early) {
        key.watchSubKeys();
        PackedTexts names;
        walkSubKeys(key, names, &early);
        if (!key.subKeysChanged()) return names;  // a walk of a key that held still names each entry once
        early.clear();
        std::set<std::wstring, std::less<>> seen;
        PackedTexts kept;
        const auto keepUnseen = [&](const PackedTexts& walked) {
            for (std::size_t at = 0; at < walked.size(); ++at) {
                if (seen.emplace(walked[at]).second) kept.add(walked[at]);
            }
        };
        keepUnseen(names);
        for (int walk = 1; walk < kWalksWhileTheKeyChanges; ++walk) {
            PackedTexts again;
            walkSubKeys(key, again, nullptr);
            keepUnseen(again);
            if (!key.subKeysChanged()) break;
        }
        return kept;
    }

    void walkSubKeys(RegistryKey& key, PackedTexts& names, EarlyReads* early) {
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
                if (early != nullptr) early->add(readEntry(key, name));
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

    // Opens the entry and reads its two values, one open key serving both reads. The texts lie in the
    // value buffers until the next read.
    EntryValues readEntry(RegistryKey& uninstallKey, const std::wstring& name) {
        EntryValues values;
        std::unique_ptr<RegistryKey> entry;
        try {
            entry = uninstallKey.openSubKey(name);
            values.displayName = ReadRegistryString(entry.get(), kDisplayNameValue, displayNameValue_).value_or(L"");
        } catch (...) {
            values.displayNameFailure = std::current_exception();
        }
        try {
            // Any user's program can write a command of megabytes; one longer than Windows starts is
            // kept only as far as the launch needs to tell it is too long.
            values.command = ReadRegistryString(entry.get(), kUninstallStringValue, commandValue_)
                                 .value_or(L"")
                                 .substr(0, kLongestCommandLine + 1);
        } catch (...) {
            values.commandFailure = std::current_exception();
        }
        return values;
    }

    void listEntry(std::wstring_view name, const EntryValues& values) {
        std::wstring_view displayName;
        std::wstring_view command;
        trap_.step(122, [&] {
            RethrowIfFailed(values.displayNameFailure);
            displayName = values.displayName;
        });
        trap_.step(124, [&] {
            RethrowIfFailed(values.commandFailure);
            command = values.command;
        });
        trap_.step(126, [&] { uninstallerFile_.assign(command); });
        if (trap_.test(128, [&] { return displayName.empty() || command.empty(); })) {
            return;  // no row for an entry without a name or a command
        }
        std::size_t row = 0;
        trap_.step(132, [&] { row = ports_.list.add(displayName, source_); });
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
    std::wstring keyName_;  // terminated, for the registry
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
