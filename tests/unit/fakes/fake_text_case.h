// Lower-casing with the C library's Unicode tables, standing in for the platform's mapping, and a
// collation that orders by the lower-cased text.
#pragma once

#include <clocale>
#include <cwctype>
#include <locale.h>

#include "fault_plan.h"
#include "ports/collation.h"
#include "ports/text_case.h"

namespace orv::testing {

class FakeTextCase final : public TextCase {
public:
    FakeTextCase() : locale_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0))) {}
    ~FakeTextCase() override {
        if (locale_ != static_cast<locale_t>(0)) freelocale(locale_);
    }
    FakeTextCase(const FakeTextCase&) = delete;
    FakeTextCase& operator=(const FakeTextCase&) = delete;

    std::wstring lower(const std::wstring& text) override {
        faults.check("text.lower");
        std::wstring result = text;
        for (auto& c : result) {
            c = locale_ != static_cast<locale_t>(0) ? static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), locale_))
                                                     : static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        }
        return result;
    }

    FaultPlan faults;

private:
    locale_t locale_;
};

class FakeCollation final : public Collation {
public:
    std::string sortKey(const std::wstring& text) override {
        std::string key;
        for (wchar_t c : textCase_.lower(text)) {
            for (int shift = 16; shift >= 0; shift -= 8) key.push_back(static_cast<char>((c >> shift) & 0xFF));
        }
        return key;
    }

private:
    FakeTextCase textCase_;
};

}  // namespace orv::testing
