// Where the program is, and the two file questions the start-up asks.
#pragma once

#include <cstddef>
#include <string>

namespace orv {

class Files {
public:
    virtual ~Files() = default;
    // The folder that holds the program's executable, without a trailing separator.
    virtual std::wstring programFolder() = 0;
    // Searches for exactly `path` among ordinary files (not hidden, not system, not a folder): the found
    // name, or the empty text.
    virtual std::wstring findOrdinaryFile(const std::wstring& path) = 0;
    // Whether anything is at the path: a file of any kind, hidden and system files included, or a folder.
    virtual bool exists(const std::wstring& path) = 0;
    // The file's bytes, at most `maxBytes` of them, so that a huge file costs nothing to refuse; throws
    // Failure with the system's reason when it cannot be read.
    virtual std::string readFile(const std::wstring& path, std::size_t maxBytes) = 0;
};

}  // namespace orv
