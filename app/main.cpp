#include "ui/CalculatorForm.h"
#include "ui/FormLayout.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("taruk-calculator"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Lets the desktop find the installed .desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvel.TarukCalculator"));
    QApplication::setFont(taruk::CalculatorForm::defaultFont());

    taruk::CalculatorForm form;
    form.show();
    return QApplication::exec();
}
