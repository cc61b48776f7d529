#pragma once

// A small model of the calculator for the operations fuzzer: the 24 texts,
// the checks on Text1 and Text2, the four steps with their skipping, the two
// final notices and the reset, written out from the rules with the reference
// number reading and writing. Fields are numbered 1 to 24 as on the form.

#include "fuzz/ReferenceNumbers.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace reference {

class Calculator {
public:
    explicit Calculator(const Reader &numbers) : m_numbers(numbers) { reset(); }

    const std::string &text(int field) const { return m_texts[field - 1]; }
    std::vector<std::string> notices;

    void setText(int field, const std::string &text)
    {
        m_texts[field - 1] = text;
        if (field == 1) {
            const std::optional<double> v = value(1);
            if (v && (*v < 1 || *v > 12800))
                notices.push_back("请输入正确的Taruk原始杀伤！杀伤范围为1-12800");
        } else if (field == 2) {
            const std::optional<double> v = value(2);
            if (!v || *v < 1 || *v > 1.4)
                notices.push_back("请输入合法的数值!五行修正范围是1-1.4");
            if (!v)
                notices.push_back("请输入五行修正");
        }
    }

    void reset()
    {
        for (int f : {1, 2,  3,  4,  5,  6,  11, 12, 13, 10, 7,  8,
                      9, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24})
            setText(f, f <= 2 ? "1" : (f == 4 || f == 6) ? "" : "0");
    }

    void calculate()
    {
        bool failed = false;
        const auto step = [&](int output, std::optional<double> result) {
            if (result && std::isfinite(*result))
                m_texts[output - 1] = m_numbers.write(*result);
            else
                failed = true;
        };
        step(3, sum({7, 8, 9, 14, 15, 16, 17, 18, 19, 20, 21, 23}));
        step(22, sum({10, 11, 12, 13}));
        {
            const auto s = sum({1, 10, 11, 12, 13, 24});
            const auto counter = value(3);
            const auto correction = value(2);
            std::optional<double> r;
            if (s && counter && correction) {
                const double factor = *counter / 100 + 1;
                const double product = factor * *s;
                // Each intermediate must be finite, not just the result.
                if (std::isfinite(*counter / 100) && std::isfinite(factor) &&
                    std::isfinite(product))
                    r = *correction * product;
            }
            step(4, r);
        }
        {
            const auto normal = value(4);
            const auto frenzy = value(5);
            std::optional<double> r;
            if (normal && frenzy) {
                const double factor = *frenzy / 100 + 1;
                const double scaled = factor * *normal;
                if (std::isfinite(*frenzy / 100) && std::isfinite(factor) && std::isfinite(scaled))
                    r = scaled * 1.5;
            }
            step(6, r);
        }
        if (failed)
            notices.push_back("请输入各项数值");
        const auto raw = value(1);
        if (!raw || *raw > 12800)
            notices.push_back("Taruk原始杀伤有误！请重新输入！");
    }

private:
    std::optional<double> value(int field) const { return m_numbers.read(m_texts[field - 1]); }

    // Left to right; empty if a text is no number or a partial sum overflows.
    std::optional<double> sum(std::initializer_list<int> fields) const
    {
        double total = 0;
        bool first = true;
        for (int f : fields) {
            const auto v = value(f);
            if (!v)
                return std::nullopt;
            total = first ? *v : total + *v;
            first = false;
            if (!std::isfinite(total))
                return std::nullopt;
        }
        return total;
    }

    const Reader &m_numbers;
    std::array<std::string, 24> m_texts;
};

} // namespace reference
