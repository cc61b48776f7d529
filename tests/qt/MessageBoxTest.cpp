#include "core/Messages.h"
#include "ui/qt/CalculatorForm.h"
#include "ui/qt/MessageBoxNotifier.h"
#include "ui/qt/TextBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct SeenBox {
    std::string text;
    std::string title;
    QMessageBox::Icon icon;
    int buttons;
    bool okOnly;
    std::string buttonText;
    int width;
    Qt::WindowModality modality;
    int visibleBoxes;
};

// A window manager draws the caption in bold, beside the window's icon and
// its buttons (Openbox: icon, minimise, maximise, close). Qt allows the
// title only 50 pixels more than its width, which cut it to "T… 器".
int captionWidth(const QString &title)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + 5 * metrics.height();
}

// The real notice box: the form keeps its own notifier; a timer inspects each
// box while it is open and presses its OK button.
TEST(RealMessageBox, EmptiedCorrectionShowsTwoBoxesOneAfterTheOther)
{
    taruk::CalculatorForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    std::vector<SeenBox> seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        int visible = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            visible += qobject_cast<QMessageBox *>(w) && w->isVisible();
        seen.push_back({box->text().toStdString(), box->windowTitle().toStdString(), box->icon(),
                        static_cast<int>(box->buttons().size()),
                        box->standardButtons() == QMessageBox::Ok,
                        box->button(QMessageBox::Ok)->text().toStdString(), box->width(),
                        box->windowModality(), visible});
        box->button(QMessageBox::Ok)->click();
    });
    closer.start(20);

    taruk::TextBox *correction = form.textBox(taruk::FieldId::Text2);
    correction->setFocus();
    correction->selectAll();
    QTest::keyClick(correction, Qt::Key_Backspace); // returns once both boxes are closed
    closer.stop();

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, taruk::Messages::kCorrectionRange);
    EXPECT_EQ(seen[1].text, taruk::Messages::kEnterCorrection);
    for (const SeenBox &s : seen) {
        EXPECT_EQ(s.title, "Taruk杀伤计算器");
        EXPECT_EQ(s.icon, QMessageBox::NoIcon);
        EXPECT_EQ(s.buttons, 1);
        EXPECT_TRUE(s.okOnly);
        EXPECT_EQ(s.buttonText, "确定"); // Qt's own translation, under LANG=C too
        // The short "请输入五行修正" alone would make a box too narrow for it.
        EXPECT_GE(s.width, captionWidth("Taruk杀伤计算器")) << s.text << " " << s.width;
        EXPECT_EQ(s.modality, Qt::ApplicationModal);
        EXPECT_EQ(s.visibleBoxes, 1); // the second opens only after the first closed
    }
    EXPECT_EQ(correction->text(), "");
}

// The caption is drawn in the larger of the platform's title font and the
// application's (a user's large or small font): the notice is as wide as
// the caption needs in that one, without a box.
TEST(NoticeWidth, FollowsTheLargerOfTheTitleAndApplicationFonts)
{
    const QFont saved = QApplication::font();
    const QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    for (const double scale : {4.0, 0.25}) {
        SCOPED_TRACE(scale);
        QFont font = saved;
        font.setPointSizeF(std::max(saved.pointSizeF(), 9.0) * scale);
        QApplication::setFont(font);
        const bool applicationLarger = QFontMetrics(font).height() > QFontMetrics(title).height();
        QFont bold = applicationLarger ? font : title;
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const int needed = metrics.horizontalAdvance("Taruk杀伤计算器") + 5 * metrics.height();
        const int width = taruk::MessageBoxNotifier::widthForTitle("Taruk杀伤计算器");
        QApplication::setFont(saved);
        EXPECT_GE(width, needed);
    }
}

} // namespace
