// libFuzzer target: parseNumber and formatNumber stay inverse to each other
// for any input text and any double bit pattern.
#include "core/NumberConversion.h"
#include "core/StepFailed.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// A formatted text parses back within 15 significant digits, and formatting
// what it reads gives the same text again.
void checkRoundTrip(double value)
{
    const std::string text = taruk::formatNumber(value);
    double back = 0;
    try {
        back = taruk::parseNumber(text);
    } catch (const taruk::StepFailed &) {
        check(false);
    }
    check(std::isfinite(back));
    check(taruk::formatNumber(back) == text);
    if (std::fabs(value) >= std::numeric_limits<double>::min())
        check(std::fabs(back - value) <= std::fabs(value) * 5.1e-15);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    try {
        const double value = taruk::parseNumber(text);
        check(std::isfinite(value));
        checkRoundTrip(value);
    } catch (const taruk::StepFailed &) {
    }

    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        if (std::isfinite(bits))
            checkRoundTrip(bits);
    }
    return 0;
}
