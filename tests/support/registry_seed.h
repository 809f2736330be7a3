// Writes uninstall entries for the tests. Only tests write the registry. Under Wine the registry is the
// test prefix's own; on a Windows machine it is the machine's, whose own entries the tests leave alone.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ports/registry.h"

namespace orv::e2e {

// What Windows documents, written out for the tests rather than taken from the program, which they
// would otherwise compare with itself: where uninstall entries live, and a row's check box in its
// state image bits (with LVS_EX_CHECKBOXES image 1 is the empty box, 2 the ticked one).
inline constexpr wchar_t kUninstallPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr UINT kEmptyBox = 1u << 12;
inline constexpr UINT kTickedBox = 2u << 12;

// True under Wine, false on Windows itself.
bool RunningUnderWine();
// Whether the machine lets programs that declare it use paths of more than 260 characters.
bool LongPathsEnabled();

// The uninstall entries of one test, in the current user's uninstall key unless a case needs the
// machine's. What it made or adopted goes again on destruction; under Wine, whose prefix belongs to the
// tests, it also starts from an empty registry.
class SeededUninstallEntries {
public:
    SeededUninstallEntries();
    ~SeededUninstallEntries();
    SeededUninstallEntries(const SeededUninstallEntries&) = delete;
    SeededUninstallEntries& operator=(const SeededUninstallEntries&) = delete;

    void add(const std::wstring& keyName, const std::wstring& displayName, const std::wstring& command,
             RegistrySource source = RegistrySource::CurrentUser, DWORD commandType = REG_SZ);
    // Stores raw bytes under a value name of an entry (created when missing).
    void setRaw(const std::wstring& keyName, const std::wstring& valueName, DWORD type, const void* data,
                DWORD bytes, RegistrySource source = RegistrySource::CurrentUser);
    void setString(const std::wstring& keyName, const std::wstring& valueName, const std::wstring& text,
                   DWORD type = REG_SZ, RegistrySource source = RegistrySource::CurrentUser);
    // An entry that a real installer makes for the test: it is the test's to see and to remove.
    void adopt(const std::wstring& keyName, RegistrySource source);
    // Entries as a machine's own programs are, listed but not among the test's rows, by names that sort
    // before, between and after the tests' own and share their first letters: a test whose keys or
    // letters reach other rows puts them around its own, as a Windows machine has hundreds.
    void addOthersAround();
    void remove(const std::wstring& keyName, RegistrySource source = RegistrySource::CurrentUser);

    // Deletes the uninstall key itself in every source. Only under Wine: it throws on Windows.
    static void removeUninstallKeys();
    // Whether the entry is one that this test run made or adopted, not one of the machine's own.
    static bool IsSeeded(const std::wstring& keyName);
    // Whether an entry of that name is in the source's uninstall key.
    static bool Exists(const std::wstring& keyName, RegistrySource source);

private:
    void remember(const std::wstring& keyName, RegistrySource source);
    void write(const std::wstring& keyName, const std::wstring& valueName, DWORD type, const void* data, DWORD bytes,
               RegistrySource source);

    std::vector<std::pair<RegistrySource, std::wstring>> made_;
};

// Keeps the rows (with the key name as sub-item 3) of the entries that the tests made, and drops the
// machine's own.
template <class Rows>
void KeepSeededRows(Rows& rows) {
    std::erase_if(rows, [](const auto& row) { return !SeededUninstallEntries::IsSeeded(row.subItems[3]); });
}

}  // namespace orv::e2e
