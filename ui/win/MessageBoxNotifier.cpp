#include "ui/win/MessageBoxNotifier.h"

#include "ui/form/FormLayout.h"
#include "ui/win/Utf16.h"

namespace taruk::win {

MessageBoxNotifier::MessageBoxNotifier(HWND owner)
    : m_owner(owner),
      m_caption(toUtf16(FormLayout::kApplicationTitle))
{
}

void MessageBoxNotifier::notify(std::string_view message)
{
    MessageBoxW(m_owner, toUtf16(message).c_str(), m_caption.c_str(), MB_OK);
}

} // namespace taruk::win
