#include "ui/qt/CalculatorForm.h"
#include "ui/qt/FormFonts.h"
#include "ui/qt/ToolkitTranslation.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

const char *envOrUnset(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "(unset)";
}

// Qt ends with abort() (status 134) and advice to reinstall when no platform
// plugin can open its display. Before the window exists that only means the
// display cannot be reached: say so, and exit with status 1.
void exitOnPlatformFailure(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (type != QtFatalMsg) {
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + u'\n'), stderr);
        return;
    }
    std::fprintf(stderr,
                 "taruk-calculator: cannot open the window: no display can be reached "
                 "(DISPLAY=%s, WAYLAND_DISPLAY=%s)\n",
                 envOrUnset("DISPLAY"), envOrUnset("WAYLAND_DISPLAY"));
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    // The X11 WM_CLASS comes from the application name, the Wayland app id from
    // the desktop file name; the desktop entry matches both.
    QApplication::setApplicationName(QStringLiteral("taruk-calculator"));
    QApplication::setDesktopFileName(QStringLiteral(TARUK_APP_ID));

    const QtMessageHandler previousHandler = qInstallMessageHandler(exitOnPlatformFailure);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);

    QApplication::setApplicationVersion(QStringLiteral(TARUK_VERSION));
    // The compiled-in icon: asking the icon theme first would cost a fifth of
    // the start-up, and the launcher shows the theme's icon anyway.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" TARUK_APP_ID ".png")));
    QApplication::setFont(taruk::FormFonts::text());
    const taruk::ToolkitTranslation chinese;

    taruk::CalculatorForm form;
    form.show();
    return QApplication::exec();
}
