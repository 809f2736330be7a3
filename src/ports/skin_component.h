// The skin component, reached only by dispatch identifier, as an automation object would be.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orv {

using DispatchValue = std::variant<std::monostate, bool, std::int32_t, std::wstring>;

enum class DispatchKind { Method, PropertyGet, PropertyPut };

class SkinComponent {
public:
    virtual ~SkinComponent() = default;
    // Throws Failure when the member fails.
    virtual DispatchValue invoke(int dispatchId, DispatchKind kind, const std::vector<DispatchValue>& arguments) = 0;
};

}  // namespace orv
