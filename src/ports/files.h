// Where the program is, and what the file system holds.
#pragma once

#include <cstddef>
#include <string>

namespace orv {

enum class PathKind { Nothing, File, Folder };

class Files {
public:
    virtual ~Files() = default;
    // The folder that holds the program's executable, without a trailing separator.
    virtual std::wstring programFolder() = 0;
    // Whether a directory search finds exactly `path` among ordinary files (not hidden, not system, not
    // a folder).
    virtual bool isOrdinaryFile(const std::wstring& path) = 0;
    // What is at the path: a file of any kind (hidden and system files included), a folder, or nothing.
    // Never fails: a path that cannot be asked after holds nothing.
    virtual PathKind kindOf(const std::wstring& path) = 0;
    // The file's bytes, at most `maxBytes` of them, so that a huge file costs nothing to refuse; throws
    // Failure with the system's reason when it cannot be read.
    virtual std::string readFile(const std::wstring& path, std::size_t maxBytes) = 0;
};

}  // namespace orv
