#pragma once

#include <array>
#include <string_view>

// The faces every window asks for, in order of preference, the first one
// installed wins. Each toolkit adds only its own generic family at the end.
namespace taruk::FontFaces {

// Labels, boxes, buttons and notices: the Chinese UI faces of Windows, macOS
// and iOS, Android and Linux.
inline constexpr std::array<std::string_view, 5> kText = {"Microsoft YaHei UI", "Microsoft YaHei",
                                                          "PingFang SC", "Noto Sans CJK SC",
                                                          "WenQuanYi Micro Hei"};

// The two result boxes: 宋体 and the Song faces that stand in for it where it
// is not installed.
inline constexpr std::array<std::string_view, 5> kResult = {"宋体", "SimSun", "Songti SC",
                                                            "Noto Serif CJK SC", "AR PL UMing CN"};

} // namespace taruk::FontFaces
