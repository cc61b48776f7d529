#include "ui/qt/CalculatorForm.h"
#include "ui/qt/ToolkitTranslation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("taruk-calculator"));
    QApplication::setApplicationVersion(QStringLiteral(TARUK_VERSION));
    // Lets the desktop find the installed .desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARUK_APP_ID));
    QApplication::setFont(taruk::CalculatorForm::defaultFont());
    const taruk::ToolkitTranslation chinese;

    taruk::CalculatorForm form;
    form.show();
    return QApplication::exec();
}
