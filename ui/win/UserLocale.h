#pragma once

namespace taruk::win {

// The decimal separator of the user's locale (Control Panel, Region), or '.'
// where the locale's separator is not a single ASCII character.
char userDecimalSeparator();

} // namespace taruk::win
