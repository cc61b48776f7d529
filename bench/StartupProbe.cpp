// The floor under the calculator's start-up: windows of the calculator's size
// that show less and less of it. tools/startup-bench.sh measures each mode
// and the calculator itself up to their first paint.
//   --bare       an empty QWidget (the toolkit's floor)
//   --label      the same with one Latin label (adds the font system)
//   --cjk-label  the same with one Chinese label (adds a CJK font file)
#include "ui/form/FormLayout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <string_view>

int main(int argc, char *argv[])
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode != "--bare" && mode != "--label" && mode != "--cjk-label") {
        std::fputs("usage: startup_probe --bare|--label|--cjk-label\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QWidget window;
    using namespace taruk::FormLayout;
    window.setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    if (mode == "--label")
        new QLabel(QStringLiteral("Raw damage"), &window);
    else if (mode == "--cjk-label")
        new QLabel(QStringLiteral("原始杀伤"), &window);
    window.show();
    return QApplication::exec();
}
