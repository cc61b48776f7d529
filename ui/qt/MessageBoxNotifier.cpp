#include "ui/qt/MessageBoxNotifier.h"

#include "ui/qt/Utf8.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include <algorithm>
#include <utility>

namespace taruk {

MessageBoxNotifier::MessageBoxNotifier(QWidget *owner, QString title)
    : m_owner(owner),
      m_title(std::move(title))
{
}

int MessageBoxNotifier::widthForTitle(const QString &title)
{
    // The window manager draws the caption, in a face Qt cannot ask about:
    // take the wider of the application's and the platform's title font, in
    // bold, and room for the window icon and three buttons beside it.
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    if (QFontMetrics(QApplication::font()).height() > QFontMetrics(titleFont).height())
        titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}

void MessageBoxNotifier::notify(std::string_view message)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, toQString(message), QMessageBox::Ok, m_owner);
    box.setObjectName(QStringLiteral("notice"));
    box.setWindowModality(Qt::ApplicationModal);
    // A message box is as wide as its message; a short one would cut its
    // caption. The box sizes itself to its layout, so widen that.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(
            new QSpacerItem(widthForTitle(m_title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
    box.exec(); // however it is closed, the caller goes on the same way
}

} // namespace taruk
