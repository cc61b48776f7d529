// libFuzzer target: parseNumber accepts exactly what the reference reading
// accepts, with the same bits, and formatNumber writes what the reference
// writes and reads back; for any input text and any double bit pattern, with
// either decimal separator.
#include "core/NumberConversion.h"
#include "core/StepFailed.h"
#include "fuzz/ReferenceNumbers.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

std::optional<double> parsed(const std::string &text, char separator)
{
    try {
        return taruk::parseNumber(text, separator);
    } catch (const taruk::StepFailed &) {
        return std::nullopt;
    }
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The text is the reference's, it reads back, and writing what it reads
// gives the same text again.
void checkWrite(const reference::Reader &ref, double value)
{
    const std::string text = taruk::formatNumber(value, ref.separator());
    check(text == ref.write(value));
    const std::optional<double> back = parsed(text, ref.separator());
    check(back.has_value());
    check(taruk::formatNumber(*back, ref.separator()) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const reference::Reader point('.');
    static const reference::Reader comma(',');
    const std::string text(reinterpret_cast<const char *>(data), size);

    for (const reference::Reader *ref : {&point, &comma}) {
        const std::optional<double> expected = ref->read(text);
        const std::optional<double> actual = parsed(text, ref->separator());
        check(expected.has_value() == actual.has_value());
        if (actual) {
            check(std::isfinite(*actual) && sameBits(*actual, *expected));
            checkWrite(*ref, *actual);
        }
        if (size >= sizeof(double)) {
            double bits = 0;
            std::memcpy(&bits, data, sizeof bits);
            if (std::isfinite(bits))
                checkWrite(*ref, bits);
        }
    }
    return 0;
}
