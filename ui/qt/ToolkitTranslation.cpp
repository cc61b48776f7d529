#include "ui/qt/ToolkitTranslation.h"

#include <QCoreApplication>

namespace taruk {

ToolkitTranslation::ToolkitTranslation()
{
    // The file is compiled in from the build machine's Qt (see CMakeLists.txt).
    if (!m_translator.load(QStringLiteral(":/taruk/translations/qtbase_zh_CN.qm")))
        qFatal("the built-in Qt translation is missing");
    QCoreApplication::installTranslator(&m_translator);
}

ToolkitTranslation::~ToolkitTranslation() { QCoreApplication::removeTranslator(&m_translator); }

} // namespace taruk
