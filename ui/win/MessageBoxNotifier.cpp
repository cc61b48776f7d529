#include "ui/win/MessageBoxNotifier.h"

#include "ui/win/ChineseMessageBox.h"

namespace taruk::win {

void MessageBoxNotifier::notify(std::string_view message)
{
    showChineseMessageBox(m_owner, message, 0);
}

} // namespace taruk::win
