#include "ui/form/Contrast.h"

#include <algorithm>
#include <cmath>

namespace taruk {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb c)
{
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

Rgb mix(Rgb from, Rgb to, double share)
{
    const auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

} // namespace

double contrastRatio(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readableOn(Rgb wanted, Rgb background)
{
    if (contrastRatio(wanted, background) >= kMinimumContrast)
        return wanted;
    const Rgb white = {255, 255, 255};
    const Rgb black = {0, 0, 0};
    const Rgb towards =
        contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
    // The least share of the mix that reaches the enhanced contrast, to 1/256.
    int low = 0;
    int high = 256;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (contrastRatio(mix(wanted, towards, middle / 256.0), background) >= kEnhancedContrast)
            high = middle;
        else
            low = middle + 1;
    }
    return mix(wanted, towards, low / 256.0);
}

} // namespace taruk
