#pragma once

#include <string_view>

// The page's own fixed texts, written into it by the build (WindowMarkup):
// what it says about itself, while it loads, without scripts, and when it
// cannot start or a call fails. The window's texts are the window
// description's (ui/form/FormLayout.h), the notices the core's.
namespace taruk::web::PageTexts {

inline constexpr std::string_view kDescription =
    "Taruk杀伤计算器：由原始杀伤、五行修正、装备加成和狂暴程度计算Taruk杀伤。";
inline constexpr std::string_view kNoScript =
    "Taruk杀伤计算器需要 JavaScript。请在浏览器中启用 JavaScript 后重新打开本页。";
inline constexpr std::string_view kLoading = "正在载入…";
// The notice's one button.
inline constexpr std::string_view kOk = "确定";

// In place of the calculator when it cannot start; {file} is the file's name.
inline constexpr std::string_view kBrowserTooOld =
    "Taruk杀伤计算器无法在此浏览器中运行：浏览器版本太旧，不支持本页所需的 WebAssembly。"
    "请升级浏览器（例如 Safari 16 及以上）后重新打开本页。";
inline constexpr std::string_view kFileFailed =
    "Taruk杀伤计算器未能载入文件 {file}。请检查网络连接后重新打开本页。";
inline constexpr std::string_view kFilesDiffer =
    "Taruk杀伤计算器的文件来自不同的版本（网站可能正在更新）。请稍后重新打开本页。";
inline constexpr std::string_view kStartFailed = "Taruk杀伤计算器未能启动。请重新打开本页。";
// Under the window when one call into the module failed.
inline constexpr std::string_view kCallFailed =
    "计算器内部出错，刚才的操作没有完成；各项数值已保留，可以继续输入。";

} // namespace taruk::web::PageTexts
