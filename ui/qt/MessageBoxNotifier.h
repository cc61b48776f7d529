#pragma once

#include "core/Notifier.h"

#include <QString>

class QWidget;

namespace taruk {

// Shows each notice in an application-modal message box with one OK button
// and no icon, wide enough for its whole caption, and returns when the user
// has closed it.
class MessageBoxNotifier : public Notifier {
public:
    MessageBoxNotifier(QWidget *owner, QString title);

    void notify(std::string_view message) override;

    // How wide a notice must be for the window manager to show all of its
    // caption.
    static int widthForTitle(const QString &title);

private:
    QWidget *m_owner;
    QString m_title;
};

} // namespace taruk
