// The one colour type of the program: red, green and blue from 0 to 255, with the packed form
// (blue * 65536 + green * 256 + red) in which the window tables and the advice colours are
// given.
#pragma once

namespace tubewise {

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;

    static constexpr Colour FromPacked(int packed) {
        return {packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF};
    }
    constexpr int Packed() const { return blue * 65536 + green * 256 + red; }
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

// The two advice colours of the results: red 192 (192, 0, 0), green 0x8000 (0, 128, 0).
inline constexpr Colour kAdviceRed = Colour::FromPacked(192);
inline constexpr Colour kAdviceGreen = Colour::FromPacked(0x8000);

// "red" or "green", as the command line reports an advice colour; "" for any other colour.
constexpr const char* ColourName(const Colour& colour) {
    if (colour == kAdviceRed) return "red";
    if (colour == kAdviceGreen) return "green";
    return "";
}

}  // namespace tubewise
