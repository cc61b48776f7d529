#include "ui/qt/MessageBoxNotifier.h"

#include "ui/qt/Utf8.h"

#include <QMessageBox>

#include <utility>

namespace taruk {

MessageBoxNotifier::MessageBoxNotifier(QWidget *owner, QString title)
    : m_owner(owner),
      m_title(std::move(title))
{
}

void MessageBoxNotifier::notify(std::string_view message)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, toQString(message), QMessageBox::Ok, m_owner);
    box.setObjectName(QStringLiteral("notice"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec(); // however it is closed, the caller goes on the same way
}

} // namespace taruk
