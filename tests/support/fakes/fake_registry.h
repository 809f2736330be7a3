// Uninstall entries in memory, per source, enumerated in the order they were added.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fault_plan.h"
#include "inventory/refresh_list.h"
#include "ports/registry.h"

namespace orv::testing {

struct FakeEntry {
    std::wstring keyName;
    std::map<std::wstring, RegistryValue> values;
};

class FakeRegistry final : public Registry {
public:
    // Adds an entry with string values; an empty optional leaves that value out.
    FakeEntry& addEntry(RegistrySource source, const std::wstring& keyName) {
        auto& store = sources_[source];
        store.exists = true;
        ++store.changes;
        store.entries.push_back({keyName, {}});
        return store.entries.back();
    }
    FakeEntry& addProgram(const std::wstring& keyName, const std::wstring& displayName,
                          const std::wstring& command, RegistrySource source = RegistrySource::Machine64) {
        auto& entry = addEntry(source, keyName);
        entry.values[kDisplayNameValue] = {kRegSz, displayName};
        entry.values[kUninstallStringValue] = {kRegSz, command};
        return entry;
    }
    void addEmptyUninstallKey(RegistrySource source) { sources_[source].exists = true; }
    void makeUnreadable(RegistrySource source, std::uint32_t index) { sources_[source].unreadable.insert(index); }
    void removeEntry(RegistrySource source, const std::wstring& keyName) {
        auto& entries = sources_[source].entries;
        std::erase_if(entries, [&](const FakeEntry& entry) { return entry.keyName == keyName; });
        ++sources_[source].changes;
    }
    // Runs during the enumeration of a source, before the read of the given index: another program
    // changing the registry while the list is read.
    std::function<void(RegistrySource, std::uint32_t)> duringEnumeration;

    std::unique_ptr<RegistryKey> open(RegistrySource source, const std::wstring& path) override;

    FaultPlan faults;
    std::vector<std::wstring> opened;  // the path of every key opened, in order
    int openKeys = 0;                                           // keys not yet closed

private:
    struct Store {
        bool exists = false;
        std::uint64_t changes = 1;
        std::vector<FakeEntry> entries;
        std::set<std::uint32_t> unreadable;
    };
    class Key;

    std::map<RegistrySource, Store> sources_;
};

class FakeRegistry::Key final : public RegistryKey {
public:
    Key(FakeRegistry& owner, RegistrySource source, const Store* store, const FakeEntry* entry)
        : owner_(owner), source_(source), store_(store), entry_(entry) {
        ++owner_.openKeys;
    }
    ~Key() override { --owner_.openKeys; }

    EnumerationResult subKeyName(std::uint32_t index, std::wstring& name) override {
        owner_.faults.check("registry.enumerate");
        if (owner_.duringEnumeration) owner_.duringEnumeration(source_, index);
        if (store_ == nullptr || index >= store_->entries.size()) return EnumerationResult::NoMoreItems;
        if (store_->unreadable.count(index) != 0) throw Failure(L"Access is denied.");
        name = store_->entries[index].keyName;
        return EnumerationResult::Found;
    }
    void watchSubKeys() override { watchedFrom_ = store_ != nullptr ? store_->changes : 0; }
    bool subKeysChanged() override {
        if (store_ == nullptr || store_->changes == watchedFrom_) return false;
        watchSubKeys();
        return true;
    }

    std::unique_ptr<RegistryKey> openSubKey(const std::wstring& name) override {
        owner_.faults.check("registry.open");
        if (store_ == nullptr) return nullptr;
        for (const auto& entry : store_->entries) {
            if (entry.keyName == name) {
                owner_.opened.push_back(std::wstring(kUninstallKey) + L"\\" + name);
                return std::make_unique<Key>(owner_, source_, nullptr, &entry);
            }
        }
        return nullptr;
    }

    bool value(const wchar_t* valueName, RegistryValue& value) override {
        owner_.faults.check("registry.value");
        if (entry_ == nullptr) return false;
        const auto found = entry_->values.find(valueName);
        if (found == entry_->values.end()) return false;
        value = found->second;
        return true;
    }

private:
    FakeRegistry& owner_;
    RegistrySource source_;
    const Store* store_;
    const FakeEntry* entry_;
    std::uint64_t watchedFrom_ = 0;
};

inline std::unique_ptr<RegistryKey> FakeRegistry::open(RegistrySource source, const std::wstring& path) {
    faults.check("registry.open");
    const auto found = sources_.find(source);
    if (found == sources_.end() || !found->second.exists) return nullptr;
    if (path != kUninstallKey) return nullptr;
    opened.push_back(path);
    return std::make_unique<Key>(*this, source, &found->second, nullptr);
}

}  // namespace orv::testing
