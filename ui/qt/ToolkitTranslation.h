#pragma once

#include <QTranslator>

namespace taruk {

// Qt's own texts (the notice's button, a text box's context menu) in
// Simplified Chinese, whatever the user's locale: the program speaks no other
// language. The translation is built into the program, so it does not depend
// on what is installed where. Installed for as long as this object lives.
class ToolkitTranslation {
public:
    ToolkitTranslation();
    ~ToolkitTranslation();
    ToolkitTranslation(const ToolkitTranslation &) = delete;
    ToolkitTranslation &operator=(const ToolkitTranslation &) = delete;

private:
    QTranslator m_translator;
};

} // namespace taruk
