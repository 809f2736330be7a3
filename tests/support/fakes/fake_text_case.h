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

    void lowerInto(std::wstring_view text, std::wstring& lowered) override {
        faults.check("text.lower");
        lowered.assign(text);
        for (auto& c : lowered) {
            c = locale_ != static_cast<locale_t>(0) ? static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), locale_))
                                                     : static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        }
    }

    FaultPlan faults;

private:
    locale_t locale_;
};

class FakeCollation final : public Collation {
public:
    void appendSortKey(std::wstring_view text, std::string& keys) override {
        for (wchar_t c : textCase_.lower(text)) {
            for (int shift = 16; shift >= 0; shift -= 8) keys.push_back(static_cast<char>((c >> shift) & 0xFF));
        }
    }

private:
    FakeTextCase textCase_;
};

}  // namespace orv::testing
