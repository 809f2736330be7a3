#include "inventory/uninstall_key_walk.h"

#include <algorithm>
#include <functional>
#include <set>

#include "inventory/registry_text.h"
#include "inventory/uninstall_entry.h"
#include "ports/failure.h"

namespace orv {
namespace {

// A key whose indexes keep failing (one being rewritten by an installer, say) is given up after this
// many unreadable indexes in a row, so that the listing always ends.
constexpr int kUnreadableIndexesBeforeGivingUp = 64;
constexpr int kWalksWhileTheKeyChanges = 10;

// How a report names the place of an unreadable entry.
std::wstring SourceName(RegistrySource source) {
    switch (source) {
    case RegistrySource::Machine64: return std::wstring(L"HKEY_LOCAL_MACHINE\\") + kUninstallKey + L" (64-bit)";
    case RegistrySource::Machine32: return std::wstring(L"HKEY_LOCAL_MACHINE\\") + kUninstallKey + L" (32-bit)";
    case RegistrySource::CurrentUser: return std::wstring(L"HKEY_CURRENT_USER\\") + kUninstallKey;
    }
    return kUninstallKey;
}

}  // namespace

EntryValues EntryReader::read(RegistryKey& uninstallKey, const std::wstring& name) {
    EntryValues values;
    std::unique_ptr<RegistryKey> entry;
    try {
        entry = uninstallKey.openSubKey(name);
        values.displayName = ReadRegistryString(entry.get(), kDisplayNameValue, displayName_).value_or(L"");
    } catch (const std::exception&) {
        values.displayNameFailure = DescribeCurrentFailure();
    }
    try {
        // Any user's program can write a command of megabytes.
        values.command = ReadRegistryString(entry.get(), kUninstallStringValue, command_)
                             .value_or(L"")
                             .substr(0, kLongestCommandLine + 1);
    } catch (const std::exception&) {
        values.commandFailure = DescribeCurrentFailure();
    }
    return values;
}

void UninstallKeyWalk::EarlyReads::add(const EntryValues& values) {
    const std::size_t entry = size();
    texts_.add(values.displayName);
    texts_.add(values.command);
    if (values.displayNameFailure) failed_.push_back({entry, false, *values.displayNameFailure});
    if (values.commandFailure) failed_.push_back({entry, true, *values.commandFailure});
}

void UninstallKeyWalk::EarlyReads::clear() {
    texts_.clear();
    failed_.clear();
}

EntryValues UninstallKeyWalk::EarlyReads::operator[](std::size_t at) const {
    EntryValues values{texts_[2 * at], texts_[2 * at + 1], std::nullopt, std::nullopt};
    auto failed = std::ranges::lower_bound(failed_, at, std::ranges::less{}, &FailedRead::entry);
    for (; failed != failed_.end() && failed->entry == at; ++failed) {
        (failed->ofCommand ? values.commandFailure : values.displayNameFailure) = failed->description;
    }
    return values;
}

void UninstallKeyWalk::forEachEntry(const std::function<void(std::wstring_view, const EntryValues&)>& list) {
    EarlyReads early;
    const TextList names = subKeyNames(early);
    for (std::size_t at = 0; at < names.size(); ++at) {
        if (at < early.size()) {
            list(names[at], early[at]);
        } else {
            name_.assign(names[at]);
            list(names[at], reader_.read(key_, name_));
        }
    }
}

// Installers add and remove entries while we read, which moves the others to other indexes. When a
// sub-key was added or removed during a walk the key is walked again, and the names of all walks are
// kept (a name whose entry has gone since simply finds nothing to read), so no entry that stays is
// missed.
//
// The first walk reads each entry as it names it, into `early`: the registry answers for an entry it
// has just named faster than for one named thousands of entries before. Those reads count only if no
// sub-key was added or removed during the walk; otherwise every entry is read after the walks, so that
// one removed meanwhile is not listed.
TextList UninstallKeyWalk::subKeyNames(EarlyReads& early) {
    key_.watchSubKeys();
    TextList names;
    walk(names, &early);
    if (!key_.subKeysChanged()) return names;  // a walk of a key that held still names each entry once
    early.clear();
    std::set<std::wstring, std::less<>> seen;
    TextList kept;
    const auto keepUnseen = [&](const TextList& walked) {
        for (std::size_t at = 0; at < walked.size(); ++at) {
            if (seen.emplace(walked[at]).second) kept.add(walked[at]);
        }
    };
    keepUnseen(names);
    for (int again = 1; again < kWalksWhileTheKeyChanges; ++again) {
        TextList walked;
        walk(walked, nullptr);
        keepUnseen(walked);
        if (!key_.subKeysChanged()) break;
    }
    return kept;
}

void UninstallKeyWalk::walk(TextList& names, EarlyReads* early) {
    std::uint32_t index = 0;
    // Walk while the last enumeration found a sub-key or could not read one.
    bool more = true;
    int unreadableInARow = 0;
    while (more) {
        std::optional<EnumerationResult> result;
        trap_.step(114, [&] { result = readSubKeyName(index, name_); });
        if (result == EnumerationResult::Found) {
            unreadableInARow = 0;
            names.add(name_);
            if (early != nullptr) early->add(reader_.read(key_, name_));
        } else if (result == EnumerationResult::NoMoreItems || ++unreadableInARow >= kUnreadableIndexesBeforeGivingUp) {
            more = false;
        }
        trap_.step(176, [&] { ++index; });
    }
}

// The first index of a source that cannot be read is reported; later ones in the same source are
// skipped quietly, so one broken key gives one box. Nothing (an empty answer) for a skipped index.
std::optional<EnumerationResult> UninstallKeyWalk::readSubKeyName(std::uint32_t index, std::wstring& name) {
    try {
        return key_.subKeyName(index, name);
    } catch (const Failure& unreadable) {
        if (unreadableReported_) return std::nullopt;
        unreadableReported_ = true;
        throw Failure(L"Could not read entry " + std::to_wstring(index) + L" of " + SourceName(source_) + L": " +
                      unreadable.description());
    }
}

}  // namespace orv
