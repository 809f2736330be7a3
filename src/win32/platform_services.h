// Small platform services behind the core's ports: letter case, shell, files, clock and random.
#pragma once

#include <random>

#include "ports/random_source.h"
#include "ports/collation.h"
#include "ports/files.h"
#include "ports/shell.h"
#include "ports/text_case.h"

namespace orv::win32 {

class WindowsTextCase final : public TextCase {
public:
    void lowerInto(std::wstring_view text, std::wstring& lowered) override;
};

class WindowsCollation final : public Collation {
public:
    void appendSortKey(std::wstring_view text, std::string& keys) override;
};

class WindowsShell final : public Shell {
public:
    void open(std::uintptr_t owner, const std::wstring& program, const std::wstring& arguments,
              const std::wstring& directory) override;
    void startProgram(const std::wstring& program, const std::wstring& commandLine, int windowStyle) override;
    std::wstring expandEnvironment(const std::wstring& text) override;
    bool isFile(const std::wstring& path) override;
    std::wstring systemFolder() override;
    std::wstring windowsFolder() override;
};

class WindowsFiles final : public Files {
public:
    std::wstring programFolder() override;
    std::wstring findOrdinaryFile(const std::wstring& path) override;
    bool exists(const std::wstring& path) override;
    std::string readFile(const std::wstring& path, std::size_t maxBytes) override;

private:
    std::wstring programFolder_;
};

class WindowsRandomSource final : public RandomSource {
public:
    double secondsSinceMidnight() override;
    void seed(double seed) override;
    double next() override;

private:
    std::mt19937_64 generator_;
};

}  // namespace orv::win32
