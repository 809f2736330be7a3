#include "program_folder.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "driver.h"

namespace orv::e2e {
namespace {

void Write(const std::wstring& file, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(file), std::ios::binary);
    out << bytes;
}

}  // namespace

ProgramFolder::ProgramFolder(const std::wstring& name, bool withProgram) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = name.find(L':') != std::wstring::npos ? name : std::wstring(temp) + name;
    remove();
    CreateDirectoryW(path_.c_str(), nullptr);
    if (withProgram) putCopy(ExecutableFolder() + kProgramUnderTest, L"orvendale.exe");
}

ProgramFolder::~ProgramFolder() {
    remove();
}

void ProgramFolder::putSkin(const std::string& bytes, DWORD attributes) {
    CreateDirectoryW((path_ + L"\\x").c_str(), nullptr);
    SetFileAttributesW((path_ + L"\\x\\o.cjs").c_str(), FILE_ATTRIBUTE_NORMAL);  // a hidden file cannot be rewritten
    Write(path_ + L"\\x\\o.cjs", bytes);
    SetFileAttributesW((path_ + L"\\x\\o.cjs").c_str(), attributes);
}

void ProgramFolder::putShippedSkin(const std::wstring& name) {
    CreateDirectoryW((path_ + L"\\x").c_str(), nullptr);
    putCopy(ExecutableFolder() + L"\\skins\\" + name + L".cjs", L"x\\o.cjs");
}

void ProgramFolder::putShippedCursor() {
    putCopy(ExecutableFolder() + L"\\HAND-M.CUR", L"HAND-M.CUR");
}

void ProgramFolder::putCursor(const std::string& bytes) {
    Write(path_ + L"\\HAND-M.CUR", bytes);
}

void ProgramFolder::putCopy(const std::wstring& source, const std::wstring& name) {
    CopyFileW(source.c_str(), (path_ + L"\\" + name).c_str(), FALSE);
}

// Hidden and system files are made plain first, so that nothing the test put there stays; paths of
// any length go.
void ProgramFolder::remove() {
    std::error_code ignored;
    const std::filesystem::path whole = L"\\\\?\\" + path_;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(whole, ignored)) {
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(whole, ignored);
}

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FileCopy::FileCopy(const std::wstring& source, std::wstring path) : path_(std::move(path)) {
    CopyFileW(source.c_str(), path_.c_str(), FALSE);
}

FileCopy::~FileCopy() {
    DeleteFileW(path_.c_str());
}

EnvironmentVariableFor::EnvironmentVariableFor(std::wstring name, const std::wstring& value) : name_(std::move(name)) {
    const DWORD length = GetEnvironmentVariableW(name_.c_str(), nullptr, 0);
    if (length > 0) {
        saved_.resize(length);
        saved_.resize(GetEnvironmentVariableW(name_.c_str(), saved_.data(), length));
        wasSet_ = true;
    }
    SetEnvironmentVariableW(name_.c_str(), value.c_str());
}

EnvironmentVariableFor::~EnvironmentVariableFor() {
    SetEnvironmentVariableW(name_.c_str(), wasSet_ ? saved_.c_str() : nullptr);
}

}  // namespace orv::e2e
