// Starts a window and exits as soon as it has been painted once; timed as a
// whole process by tools/startup-bench.sh. With no argument it is the real
// calculator; the other modes measure the floor under it:
//   --bare       an empty QWidget of the same size (the toolkit's floor)
//   --label      the same with one Latin label (adds the font system)
//   --cjk-label  the same with one Chinese label (adds a CJK font file)
#include "ui/form/FormLayout.h"
#include "ui/qt/CalculatorForm.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <memory>
#include <string_view>

namespace {

class FirstPaintQuits : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (mode.empty()) {
        QApplication::setFont(taruk::CalculatorForm::defaultFont());
        window = std::make_unique<taruk::CalculatorForm>();
    } else {
        window = std::make_unique<QWidget>();
        using namespace taruk::FormLayout;
        window->setFixedSize(kClientWidthTwips / kTwipsPerPixel,
                             kClientHeightTwips / kTwipsPerPixel);
        if (mode == "--label")
            new QLabel(QStringLiteral("Raw damage"), window.get());
        else if (mode == "--cjk-label")
            new QLabel(QStringLiteral("原始杀伤"), window.get());
    }
    FirstPaintQuits quitter;
    window->installEventFilter(&quitter);
    window->show();
    return QApplication::exec();
}
