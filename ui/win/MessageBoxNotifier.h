#pragma once

#include "core/Notifier.h"

#include <windows.h>

#include <string>

namespace taruk::win {

// Each notice is a modal MessageBoxW owned by the window: OK only, no icon,
// the application's title as caption. The owner is disabled while it is open.
class MessageBoxNotifier : public Notifier {
public:
    explicit MessageBoxNotifier(HWND owner);

    void notify(std::string_view message) override;

private:
    HWND m_owner;
    std::wstring m_caption;
};

} // namespace taruk::win
