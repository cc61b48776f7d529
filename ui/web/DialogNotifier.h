#pragma once

#include "core/Notifier.h"

namespace taruk::web {

// Each notice in the page's modal <dialog>, captioned with the program's
// title, with one button 确定. notify returns once the user has closed it,
// so every notice appears exactly where the desktop shows its message box.
class DialogNotifier : public Notifier {
public:
    void notify(std::string_view message) override;
};

} // namespace taruk::web
