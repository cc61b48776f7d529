#pragma once

#include "core/Notifier.h"

#include <QString>

class QWidget;

namespace taruk {

// Shows each notice in an application-modal message box with one OK button
// and no icon, and returns when the user has closed it.
class MessageBoxNotifier : public Notifier {
public:
    MessageBoxNotifier(QWidget *owner, QString title);

    void notify(std::string_view message) override;

private:
    QWidget *m_owner;
    QString m_title;
};

} // namespace taruk
