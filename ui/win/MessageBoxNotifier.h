#pragma once

#include "core/Notifier.h"

#include <windows.h>

namespace taruk::win {

// Each notice is a modal message box owned by the window: 确定 only, no icon,
// the application's title as caption. The owner is disabled while it is open.
class MessageBoxNotifier : public Notifier {
public:
    // The window is made after its notifier.
    void setOwner(HWND owner) { m_owner = owner; }

    void notify(std::string_view message) override;

private:
    HWND m_owner = nullptr;
};

} // namespace taruk::win
