#include "ui/win/FormFonts.h"
#include "ui/win/Utf16.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

int CALLBACK found(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM any)
{
    *reinterpret_cast<bool *>(any) = true;
    return 0;
}

bool installed(const wchar_t *face)
{
    LOGFONTW wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool any = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, found, reinterpret_cast<LPARAM>(&any), 0);
    ReleaseDC(nullptr, screen);
    return any;
}

} // namespace

// Run by ctest in a Wine prefix without the Windows CJK faces, beside the
// test that every control draws its text there.
TEST(FormFontsTest, WithoutYaHeiOrSongBothFontsAreChineseFaces)
{
    if (!std::getenv("TARUK_NO_WINDOWS_CJK_FONTS"))
        GTEST_SKIP() << "run by ctest in a prefix without the Windows CJK faces";
    for (const wchar_t *face : {L"Microsoft YaHei UI", L"Microsoft YaHei", L"宋体", L"SimSun"})
        ASSERT_FALSE(installed(face)) << "the prefix has the face this test is about";
    const LOGFONTW ui = taruk::win::FormFonts::uiFont(96);
    const LOGFONTW result = taruk::win::FormFonts::resultFont(96);
    for (const LOGFONTW *font : {&ui, &result}) {
        SCOPED_TRACE(taruk::win::toUtf8(font->lfFaceName));
        EXPECT_TRUE(installed(font->lfFaceName));
        EXPECT_NE(font->lfFaceName[0], L'@') << "a vertical face";
    }
}
