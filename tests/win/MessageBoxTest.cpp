#include "core/Messages.h"
#include "tests/win/BoxWatcher.h"
#include "ui/form/FormLayout.h"
#include "ui/win/CalculatorForm.h"

#include <gtest/gtest.h>

// The real notice: emptying Text2 opens two MessageBoxW in turn, each closed
// by a timer that fires inside the box's own message loop. Run also under
// English and C locales, where Windows itself would label the button OK.
TEST(MessageBoxTest, NoticesAreModalBoxesWithOneChineseButtonAndNoIcon)
{
    taruk::win::CalculatorForm form(GetModuleHandleW(nullptr));
    ASSERT_TRUE(form.created());
    form.show(SW_SHOWNORMAL);
    BoxWatcher watcher;

    SetWindowTextW(form.textBox(taruk::FieldId::Text2), L"");

    const std::wstring caption = taruk::win::toUtf16(taruk::FormLayout::kApplicationTitle);
    const std::wstring texts[] = {taruk::win::toUtf16(taruk::Messages::kCorrectionRange),
                                  taruk::win::toUtf16(taruk::Messages::kEnterCorrection)};
    ASSERT_EQ(watcher.seen.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const BoxWatcher::Seen &seen = watcher.seen[i];
        EXPECT_EQ(seen.caption, caption);
        EXPECT_EQ(seen.text, texts[i]);
        EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"确定"});
        EXPECT_FALSE(seen.icon);
        EXPECT_EQ(seen.owner, form.window());
        EXPECT_FALSE(seen.ownerEnabled) << "the window took input during the notice";
    }
    EXPECT_TRUE(IsWindowEnabled(form.window()));
}
