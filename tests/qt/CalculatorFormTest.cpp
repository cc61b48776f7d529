#include "core/Messages.h"
#include "tests/qt/FormFixture.h"
#include "ui/form/FormLayout.h"
#include "ui/qt/FormFonts.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

using taruk::FieldId;
namespace M = taruk::Messages;

namespace {

using F = FieldId;

// Each box is the one of its field; the texts themselves are the scenarios'.
TEST_F(FormTest, EachBoxShowsItsFieldAndTheWindowItsCaption)
{
    for (FieldId id : taruk::kAllFields) {
        const QString name = taruk::toQString(taruk::fieldName(id));
        EXPECT_EQ(form.findChild<QLineEdit *>(name), box(id)) << name.toStdString();
    }
    EXPECT_EQ(form.windowTitle(), "Orvel版计算器");
}

TEST_F(FormTest, ResultBoxesRejectEveryEditButAllowCopy)
{
    click("Command1");
    for (FieldId id : {F::Text3, F::Text22, F::Text4, F::Text6}) {
        QLineEdit *b = box(id);
        const QString before = b->text();
        b->setFocus();
        EXPECT_EQ(QApplication::focusWidget(), b);

        QApplication::clipboard()->setText("777");
        b->selectAll();
        QTest::keyClicks(b, "9");
        QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(b, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(b->text(), before) << taruk::fieldName(id);

        b->selectAll();
        QTest::keyClick(b, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), before) << taruk::fieldName(id);

        // The context menu offers nothing that edits.
        std::unique_ptr<QMenu> menu(b->createStandardContextMenu());
        QStringList offered;
        for (QAction *action : menu->actions())
            if (!action->isSeparator() && action->isEnabled() && action->isVisible())
                offered << action->text().remove('&').section('\t', 0, 0);
        EXPECT_TRUE(offered.contains("复制(C)")) << taruk::fieldName(id);
        offered.removeAll("复制(C)");
        offered.removeAll("全选");
        EXPECT_TRUE(offered.isEmpty()) << taruk::fieldName(id) << offered.join(',').toStdString();
    }
}

TEST_F(FormTest, NoAccessKeysTooltipsOrDefaultButton)
{
    for (QWidget *w : form.findChildren<QWidget *>()) {
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            EXPECT_FALSE(b->text().contains('&'));
            EXPECT_FALSE(b->isDefault());
            EXPECT_FALSE(b->autoDefault());
        }
    }
}

TEST_F(FormTest, ControlsSitAtTheirPlacesWithoutClipping)
{
    EXPECT_EQ(form.size(), QSize(386, 496));
    int count = 0;
    for (const taruk::ControlSpec &spec : taruk::FormLayout::kControls) {
        QWidget *w = form.findChild<QWidget *>(taruk::toQString(spec.name));
        ASSERT_NE(w, nullptr) << spec.name;
        ++count;
        const std::string name(spec.name);
        EXPECT_EQ(w->pos(), QPoint(spec.left / 15, spec.top / 15)) << name;
        EXPECT_GE(w->width(), spec.width / 15) << name;
        EXPECT_GE(w->height(), spec.height / 15) << name;
        const QString parentName =
            spec.container.empty() ? "CalculatorForm" : taruk::toQString(spec.container);
        EXPECT_EQ(w->parentWidget()->objectName(), parentName) << name;
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name;
        if (auto *b = qobject_cast<QLineEdit *>(w)) {
            EXPECT_GE(b->height(), b->minimumSizeHint().height()) << name;
        }
    }
    EXPECT_EQ(count, 57);
}

TEST_F(FormTest, ResultBoxesUseSongFaceAndTheirColours)
{
    for (FieldId id : {F::Text4, F::Text6}) {
        const QFontInfo info(box(id)->font());
        EXPECT_EQ(info.pointSize(), 12);
        EXPECT_EQ(info.weight(), QFont::Normal);
        // 宋体 itself on Windows; the free Song faces elsewhere.
        const QString family = info.family();
        EXPECT_TRUE(family == "SimSun" || family == "宋体" || family.startsWith("AR PL UMing") ||
                    family.startsWith("Noto Serif CJK"))
            << family.toStdString();
    }
    EXPECT_EQ(box(F::Text4)->palette().color(QPalette::Text), QColor(192, 0, 0));
    EXPECT_EQ(box(F::Text6)->palette().color(QPalette::Text), QColor(0, 0, 128));
}

TEST(Faces, NameAnInstalledFaceThatDrawsChinese)
{
    const std::vector<std::pair<std::string, QFont>> faces = {
        {"default", taruk::FormFonts::text()}, {"result", taruk::FormFonts::result()}};
    for (const auto &[name, font] : faces) {
        // The set-up installs the free faces, so the generic fallback (which
        // would also hide a misspelt family name) must not be what is used.
        EXPECT_EQ(QFontInfo(font).family(), font.family()) << name;
        EXPECT_NE(font.family(), "sans-serif") << name;
        EXPECT_NE(font.family(), "serif") << name;
        for (char16_t c : std::u16string_view(u"杀伤计算器！０")) {
            EXPECT_TRUE(QFontMetrics(font).inFont(QChar(c))) << name << " U+" << int(c);
        }
    }
}

TEST_F(FormTest, ClosingTheWindowEndsTheProgram)
{
    type(F::Text1, "5000");
    // The event loop ends once the window closes; the guard only fires if not.
    QTimer::singleShot(0, &form, &QWidget::close);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(1); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(notices().empty());
}

} // namespace

namespace {

TEST_F(FormTest, EveryBoxIsNamedByItsLabel)
{
    for (const taruk::ControlSpec &spec : taruk::FormLayout::kControls) {
        if (spec.kind != taruk::ControlSpec::Kind::Label || !spec.field)
            continue;
        auto *label = form.findChild<QLabel *>(taruk::toQString(spec.name));
        QLineEdit *b = box(*spec.field);
        ASSERT_TRUE(label && b) << spec.name;
        EXPECT_EQ(label->buddy(), b) << spec.name;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), label->text()) << spec.name;
    }
    // A few by hand, so that a shifted table shows up.
    EXPECT_EQ(box(F::Text4)->accessibleName(), "正常最终杀伤");
    EXPECT_EQ(box(F::Text6)->accessibleName(), "狂暴后杀伤");
    EXPECT_EQ(box(F::Text24)->accessibleName(), "果子减抗");
    EXPECT_EQ(box(F::Text23)->accessibleName(), "符文强力克");
}

} // namespace
