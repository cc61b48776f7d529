#pragma once

namespace taruk {

// A colour of the window description, 0 to 255 a channel.
struct Rgb {
    int red;
    int green;
    int blue;

    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

} // namespace taruk
