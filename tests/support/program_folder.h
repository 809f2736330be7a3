// A program folder of a test's own in the temporary folder: orvendale.exe and whatever the test puts
// beside it (a skin, a cursor, programs planted where the tool is run from). It goes with the object.
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

}  // namespace orv::e2e
