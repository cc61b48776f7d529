#pragma once

#include <array>
#include <string_view>

namespace taruk::Messages {

// The only texts the calculator ever shows as notices. Note the ASCII "!"
// in the correction notice against the full-width "！" in the others.
inline constexpr std::string_view kEnterAllValues = "请输入各项数值";
inline constexpr std::string_view kRawDamageWrong = "Taruk原始杀伤有误！请重新输入！";
inline constexpr std::string_view kRawDamageRange = "请输入正确的Taruk原始杀伤！杀伤范围为1-12800";
inline constexpr std::string_view kCorrectionRange = "请输入合法的数值!五行修正范围是1-1.4";
inline constexpr std::string_view kEnterCorrection = "请输入五行修正";

inline constexpr std::array<std::string_view, 5> kAll = {
    kEnterAllValues, kRawDamageWrong, kRawDamageRange, kCorrectionRange, kEnterCorrection,
};

} // namespace taruk::Messages
