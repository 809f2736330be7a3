// The file system behind the core's Files port.
#pragma once

#include "ports/files.h"

namespace orv::win32 {

class WindowsFiles final : public Files {
public:
    std::wstring programFolder() override;
    bool isOrdinaryFile(const std::wstring& path) override;
    PathKind kindOf(const std::wstring& path) override;
    std::string readFile(const std::wstring& path, std::size_t maxBytes) override;

private:
    std::wstring programFolder_;
};

}  // namespace orv::win32
