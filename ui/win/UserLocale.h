#pragma once

namespace taruk::win {

// The decimal separator of the user's locale (Control Panel, Region) as the
// core can use it: see taruk::decimalSeparatorFor.
char userDecimalSeparator();

} // namespace taruk::win
