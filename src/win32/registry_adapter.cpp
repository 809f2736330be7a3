#include "win32/registry_adapter.h"

#include <windows.h>

#include "ports/failure.h"
#include "win32/handles.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

// Key names are at most 255 characters; one more for the terminator.
constexpr DWORD kMaxKeyNameLength = 256;
// A value's first read asks for this much; most names and commands are shorter.
constexpr std::size_t kFirstReadUnits = 256;

class WindowsKey final : public RegistryKey {
public:
    WindowsKey(UniqueHkey key, REGSAM view) : key_(std::move(key)), view_(view) {}

    std::unique_ptr<RegistryKey> openSubKey(const std::wstring& name) override {
        HKEY subKey = nullptr;
        if (RegOpenKeyExW(key_.get(), name.c_str(), 0, KEY_QUERY_VALUE | view_, &subKey) != ERROR_SUCCESS) {
            return nullptr;
        }
        return std::make_unique<WindowsKey>(UniqueHkey(subKey), view_);
    }

    EnumerationResult subKeyName(std::uint32_t index, std::wstring& name) override {
        wchar_t buffer[kMaxKeyNameLength];
        DWORD length = kMaxKeyNameLength;
        // No class string is asked for: an odd class must not hide the entry.
        const LSTATUS status = RegEnumKeyExW(key_.get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
        switch (status) {
        case ERROR_SUCCESS:
            name.assign(buffer, length);
            return EnumerationResult::Found;
        case ERROR_NO_MORE_ITEMS:
        case ERROR_KEY_DELETED:
        case ERROR_INVALID_HANDLE:
            return EnumerationResult::NoMoreItems;
        default:
            // ERROR_MORE_DATA, say: a name longer than the registry's 255 characters, which Wine allows.
            ThrowReason(static_cast<DWORD>(status));
        }
    }

    // A notification rather than the key's last-write time, which misses a change made within the
    // same clock tick and needs a right that enumeration does not.
    void watchSubKeys() override {
        if (!changed_) changed_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
        watching_ = changed_ && RegNotifyChangeKeyValue(key_.get(), FALSE, REG_NOTIFY_CHANGE_NAME, changed_.get(),
                                                        TRUE) == ERROR_SUCCESS;
    }

    bool subKeysChanged() override {
        if (!watching_ || WaitForSingleObject(changed_.get(), 0) != WAIT_OBJECT_0) return false;
        watchSubKeys();
        return true;
    }

    bool value(const wchar_t* valueName, RegistryValue& value) override {
        // Most values fit the first read, into room the caller's buffer already has. A longer one is
        // read again at the size the registry answered, and once more if it grew in between.
        std::wstring& units = value.units;
        units.resize(kFirstReadUnits);
        DWORD type = 0;
        auto bytes = static_cast<DWORD>(units.size() * sizeof(wchar_t));
        LSTATUS status =
            RegQueryValueExW(key_.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(units.data()), &bytes);
        while (status == ERROR_MORE_DATA) {
            units.resize(bytes / sizeof(wchar_t) + 1);
            bytes = static_cast<DWORD>(units.size() * sizeof(wchar_t));
            status = RegQueryValueExW(key_.get(), valueName, nullptr, &type,
                                      reinterpret_cast<BYTE*>(units.data()), &bytes);
        }
        if (status != ERROR_SUCCESS) return false;
        units.resize(bytes / sizeof(wchar_t));
        value.type = type;
        return true;
    }

private:
    UniqueHkey key_;
    REGSAM view_;
    UniqueHandle changed_;  // signalled by the watch
    bool watching_ = false;
};

}  // namespace

HKEY RootOf(RegistrySource source) {
    return source == RegistrySource::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

REGSAM ViewOf(RegistrySource source) {
    switch (source) {
    case RegistrySource::Machine64: return KEY_WOW64_64KEY;
    case RegistrySource::Machine32: return KEY_WOW64_32KEY;
    case RegistrySource::CurrentUser: return 0;
    }
    return 0;
}

std::unique_ptr<RegistryKey> WindowsRegistry::open(RegistrySource source, const std::wstring& path) {
    // Read rights only: the key is walked, and watched for sub-keys added during the walk.
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootOf(source), path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | ViewOf(source), &key) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<WindowsKey>(UniqueHkey(key), ViewOf(source));
}

}  // namespace orv::win32
