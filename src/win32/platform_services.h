// Small platform services behind the core's ports: letter case, collation, files, clock and random.
#pragma once

#include <random>

#include "ports/random_source.h"
#include "ports/collation.h"
#include "ports/files.h"
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
