// The skin component, reached only by dispatch identifier, as an automation object would be.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orv {

using DispatchValue = std::variant<std::monostate, bool, std::int32_t, std::wstring>;

enum class DispatchKind { Method, PropertyGet, PropertyPut };

// The component's members, by dispatch identifier.
enum SkinMember : int {
    kSkinOptionWord = 1,    // property: option bits
    kSkinLoad = 2,          // method: (path, "") loads a skin file
    kSkinApplyWindow = 3,   // method: (window handle) skins that window
    kSkinHotTracking = 5,   // property: buttons light up under the pointer
    kSkinListHeader = 10,   // property: the list's header takes the skin's colour
};

class SkinComponent {
public:
    virtual ~SkinComponent() = default;
    // Throws Failure when the member fails.
    virtual DispatchValue invoke(int dispatchId, DispatchKind kind, const std::vector<DispatchValue>& arguments) = 0;
};

}  // namespace orv
