// A colour as the program names it: red, green and blue, or one of the system's colours by its index,
// which follows the colour scheme. The Windows side turns it into the platform's own value.
#pragma once

#include <cstdint>

namespace orv {

class Colour {
public:
    constexpr Colour() = default;
    static constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) {
        return Colour((red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16));
    }
    // A system colour, by the index that the platform gives it (15: the button face).
    static constexpr Colour System(unsigned index) { return Colour(kSystemBit | (index & 0xFFu)); }

    [[nodiscard]] constexpr bool isSystem() const { return (value_ & kSystemBit) != 0; }
    [[nodiscard]] constexpr unsigned systemIndex() const { return value_ & 0xFFu; }
    [[nodiscard]] constexpr unsigned red() const { return value_ & 0xFFu; }
    [[nodiscard]] constexpr unsigned green() const { return (value_ >> 8) & 0xFFu; }
    [[nodiscard]] constexpr unsigned blue() const { return (value_ >> 16) & 0xFFu; }
    // 0x00BBGGRR for red, green and blue, as the platform orders them.
    [[nodiscard]] constexpr std::uint32_t bgr() const { return value_ & 0x00FFFFFFu; }

    constexpr bool operator==(const Colour&) const = default;

private:
    static constexpr std::uint32_t kSystemBit = 0x80000000u;
    explicit constexpr Colour(std::uint32_t value) : value_(value) {}

    std::uint32_t value_ = 0;  // as classic colour properties hold it: the high bit marks a system colour
};

inline constexpr Colour kBlack = Colour::Rgb(0, 0, 0);
inline constexpr Colour kWhite = Colour::Rgb(255, 255, 255);
// The system's button face, which the window takes when a skin is applied.
inline constexpr Colour kButtonFaceColour = Colour::System(15);

}  // namespace orv
