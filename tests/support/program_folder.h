// A program folder of a test's own, in the temporary folder unless a full path is given: orvendale.exe
// and whatever the test puts beside it (a skin, a cursor, programs planted where the tool is run from).
// It goes with the object.
#pragma once

#include <string>

#include <windows.h>

namespace orv::e2e {

class ProgramFolder {
public:
    explicit ProgramFolder(const std::wstring& name = L"orvendale-appearance", bool withProgram = true);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    [[nodiscard]] std::wstring exe() const { return path_ + L"\\orvendale.exe"; }
    [[nodiscard]] const std::wstring& path() const { return path_; }

    void putSkin(const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
    void putShippedSkin(const std::wstring& name);
    void putShippedCursor();
    void putCursor(const std::string& bytes);
    // A copy of `source` under `name` in the folder.
    void putCopy(const std::wstring& source, const std::wstring& name);

private:
    void remove();

    std::wstring path_;
};

// Whether a folder is at the path.
bool FolderExists(const std::wstring& path);

// A copy of a file at a place of the test's choosing, a system folder say, for as long as it lives.
class FileCopy {
public:
    FileCopy(const std::wstring& source, std::wstring path);
    ~FileCopy();
    FileCopy(const FileCopy&) = delete;
    FileCopy& operator=(const FileCopy&) = delete;

private:
    std::wstring path_;
};

// A variable of this process's environment, and so of the programs it starts, for as long as it lives.
class EnvironmentVariableFor {
public:
    EnvironmentVariableFor(std::wstring name, const std::wstring& value);
    ~EnvironmentVariableFor();
    EnvironmentVariableFor(const EnvironmentVariableFor&) = delete;
    EnvironmentVariableFor& operator=(const EnvironmentVariableFor&) = delete;

private:
    std::wstring name_;
    std::wstring saved_;
    bool wasSet_ = false;
};

}  // namespace orv::e2e
