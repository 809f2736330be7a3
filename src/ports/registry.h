// Read-only access to the uninstall entries that Windows keeps. Closing a key is the key object's
// destruction; nothing here can write.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace orv {

// Where uninstall entries live: the machine's 64-bit and 32-bit registry views, then the current user.
enum class RegistrySource { Machine64, Machine32, CurrentUser };
inline constexpr std::array kUninstallSources = {RegistrySource::Machine64, RegistrySource::Machine32,
                                                RegistrySource::CurrentUser};

// Registry value types, with the platform's numbers.
enum RegistryType : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
    kRegQword = 11,
};

struct RegistryValue {
    std::uint32_t type = kRegNone;
    // The stored data as 16-bit units, whole: no terminator added, embedded NULs kept, an odd last
    // byte dropped.
    std::wstring units;
};

enum class EnumerationResult {
    Found,        // the name at that index was read
    NoMoreItems,  // past the last sub-key, or the key itself went away
};

class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // Throws Failure, with the system's reason, when this index cannot be read; later ones may be.
    virtual EnumerationResult subKeyName(std::uint32_t index, std::wstring& name) = 0;
    // A sub-key of this key, opened to read its values; null when it cannot be opened.
    virtual std::unique_ptr<RegistryKey> openSubKey(const std::wstring& name) = 0;
    // Starts noting sub-keys added to or removed from this key.
    virtual void watchSubKeys() = 0;
    // Whether a sub-key was added or removed since the watch started; a true answer starts the watch
    // anew. False when the key cannot be watched.
    virtual bool subKeysChanged() = 0;
    // Reads the value into `value`, whose text keeps its room for the next read; false when the value
    // does not exist or cannot be read. Value names are the program's own constants, hence plain
    // terminated texts.
    virtual bool value(const wchar_t* valueName, RegistryValue& value) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // The key, opened to walk and watch its sub-keys, or null when it cannot be opened (missing, access
    // denied).
    virtual std::unique_ptr<RegistryKey> open(RegistrySource source, const std::wstring& path) = 0;
};

}  // namespace orv
