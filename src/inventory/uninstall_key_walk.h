// One consistent listing of an uninstall key's entries, while installers add and remove others: the
// names of its sub-keys, and each entry's two values.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/registry.h"
#include "services/text_block.h"
#include "services/trap.h"

namespace orv {

// An entry's two values as read, or why one could not be read.
struct EntryValues {
    std::wstring_view displayName;
    std::wstring_view command;
    std::optional<std::wstring> displayNameFailure;  // opening the entry, or reading its name
    std::optional<std::wstring> commandFailure;
};

// Reads an entry's two values, one open key serving both reads. A command longer than any that Windows
// starts is kept only as far as tells that. The texts lie in the reader's buffers until its next read.
class EntryReader {
public:
    EntryValues read(RegistryKey& uninstallKey, const std::wstring& name);

private:
    RegistryValue displayName_;
    RegistryValue command_;
};

class UninstallKeyWalk {
public:
    // `trap` reports the steps of enumerating the key (114, 176); `source` names the key in them.
    UninstallKeyWalk(RegistryKey& key, RegistrySource source, Trap& trap) : key_(key), source_(source), trap_(trap) {}

    // Calls `list` with each entry's name and values, in the order the registry names them.
    void forEachEntry(const std::function<void(std::wstring_view name, const EntryValues& values)>& list);

private:
    // The values of each entry the first walk named, read as it named them. Reads seldom fail, so only
    // the failures that happened are kept, in entry order.
    class EarlyReads {
    public:
        void add(const EntryValues& values);
        void clear();
        [[nodiscard]] std::size_t size() const { return texts_.size() / 2; }
        [[nodiscard]] EntryValues operator[](std::size_t at) const;

    private:
        struct FailedRead {
            std::size_t entry;
            bool ofCommand;
            std::wstring description;
        };
        TextList texts_;  // each entry's name, then its command
        std::vector<FailedRead> failed_;
    };

    TextList subKeyNames(EarlyReads& early);
    void walk(TextList& names, EarlyReads* early);
    std::optional<EnumerationResult> readSubKeyName(std::uint32_t index, std::wstring& name);

    RegistryKey& key_;
    RegistrySource source_;
    Trap& trap_;
    EntryReader reader_;
    std::wstring name_;  // the name in hand, terminated for the registry
    bool unreadableReported_ = false;
};

}  // namespace orv
