#include "ui/qt/CalculatorForm.h"
#include "ui/qt/FormFonts.h"
#include "ui/qt/ToolkitTranslation.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// GoogleTest with one QApplication for every window test; headless unless
// the caller chose a platform.
int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setFont(taruk::FormFonts::text());
    const taruk::ToolkitTranslation chinese;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
