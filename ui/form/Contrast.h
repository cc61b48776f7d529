#pragma once

#include "ui/form/Rgb.h"

namespace taruk {

// Text must stand out from its background by this contrast ratio at least
// (WCAG 2, level AA for normal text).
inline constexpr double kMinimumContrast = 4.5;
// A colour that has to change anyway is taken to the enhanced level (WCAG 2,
// AAA): anti-aliased thin strokes, such as a Song face's, never reach their
// full colour, and still reach the minimum from there.
inline constexpr double kEnhancedContrast = 7.0;

// The contrast ratio of two colours as WCAG 2 defines it: 1 (the same
// luminance) to 21 (black on white).
double contrastRatio(Rgb a, Rgb b);

// The colour to draw text of colour `wanted` in on `background`: `wanted`
// itself where it is readable enough there, else `wanted` mixed towards white
// or black (whichever the background lets stand out more), just far enough to
// reach kEnhancedContrast. So the result boxes keep their red and navy on a
// light window and turn light red and light blue on a dark one.
Rgb readableOn(Rgb wanted, Rgb background);

} // namespace taruk
