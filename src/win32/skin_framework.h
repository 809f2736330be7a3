// Our skin component: loads a skin file and draws the main window's controls in its colours.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "ports/skin_component.h"
#include "services/skin_file.h"

namespace orv::win32 {

class SkinFramework final : public SkinComponent {
public:
    // Called with the loaded skin when a window is handed over; the window applies the colours.
    explicit SkinFramework(std::function<void(const Skin&, const SkinOptions&)> applyToWindow)
        : applyToWindow_(std::move(applyToWindow)) {}

    DispatchValue invoke(int dispatchId, DispatchKind kind, const std::vector<DispatchValue>& arguments) override;

private:
    std::function<void(const Skin&, const SkinOptions&)> applyToWindow_;
    std::optional<Skin> skin_;
    SkinOptions options_;
};

}  // namespace orv::win32
