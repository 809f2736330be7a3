// Letter case as Windows maps it, behind the core's TextCase port.
#pragma once

#include "ports/text_case.h"

namespace orv::win32 {

class WindowsTextCase final : public TextCase {
public:
    void lowerInto(std::wstring_view text, std::wstring& lowered) override;
};

}  // namespace orv::win32
