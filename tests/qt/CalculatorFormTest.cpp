#include "core/Messages.h"
#include "tests/qt/FormFixture.h"
#include "ui/form/FormLayout.h"

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

TEST_F(FormTest, StartsWithStartupTextsAndFocusInRawDamage)
{
    for (FieldId id : taruk::kAllFields) {
        const QString name = taruk::toQString(taruk::fieldName(id));
        QLineEdit *byName = form.findChild<QLineEdit *>(name);
        ASSERT_EQ(byName, box(id)) << name.toStdString();
        EXPECT_EQ(byName->text(), taruk::toQString(taruk::startupText(id))) << name.toStdString();
        EXPECT_EQ(byName->isReadOnly(), taruk::isOutputField(id)) << name.toStdString();
    }
    EXPECT_EQ(text(F::Text4), "");
    EXPECT_EQ(text(F::Text1), "1");
    EXPECT_EQ(QApplication::focusWidget(), box(F::Text1));
    EXPECT_EQ(form.windowTitle(), "Orvel版计算器");
    EXPECT_TRUE(notices().empty());
}

TEST_F(FormTest, TabVisitsControlsInKeyboardOrder)
{
    const std::vector<QString> expected = {
        "Text2",  "Text3",  "Text4",  "Command1", "Text5",  "Text6",  "Command2",
        "Text10", "Text11", "Text12", "Text13",   "Text7",  "Text8",  "Text9",
        "Text14", "Text15", "Text16", "Text17",   "Text18", "Text19", "Text20",
        "Text21", "Text22", "Text23", "Text24",   "Text1"};
    std::vector<QString> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(FormTest, CalculatesFromTypedInput)
{
    const std::map<FieldId, QString> inputs = {
        {F::Text1, "5000"}, {F::Text2, "1.2"},  {F::Text10, "100"}, {F::Text11, "50"},
        {F::Text12, "50"},  {F::Text13, "100"}, {F::Text24, "30"},  {F::Text5, "20"},
        {F::Text7, "5"},    {F::Text8, "5"},    {F::Text9, "5"},    {F::Text14, "5"},
        {F::Text15, "5"},   {F::Text16, "5"},   {F::Text17, "5"},   {F::Text18, "5"},
        {F::Text19, "5"},   {F::Text20, "5"},   {F::Text21, "5"},   {F::Text23, "5"}};
    for (const auto &[id, keys] : inputs)
        type(id, keys);
    click("Command1");

    EXPECT_EQ(text(F::Text3), "60");
    EXPECT_EQ(text(F::Text22), "300");
    EXPECT_EQ(text(F::Text4), "10233.6");
    EXPECT_EQ(text(F::Text6), "18420.48");
    EXPECT_TRUE(notices().empty());
}

TEST_F(FormTest, RawDamageWarnsAtTheKeystrokeThatLeavesTheRange)
{
    QLineEdit *b = box(F::Text1);
    b->setFocus();
    b->selectAll();
    std::vector<std::size_t> counts;
    for (const char key : std::string("13000")) {
        QTest::keyClick(b, key);
        counts.push_back(notices().size());
    }
    EXPECT_EQ(counts, (std::vector<std::size_t>{0, 0, 0, 0, 1}));
    EXPECT_EQ(notices(), std::vector<std::string>{std::string(M::kRawDamageRange)});
    EXPECT_EQ(text(F::Text1), "13000"); // the check never changes the text
}

TEST_F(FormTest, EmptyingCorrectionGivesTwoNoticesInOrder)
{
    type(F::Text2, "");
    EXPECT_EQ(notices(), (std::vector<std::string>{std::string(M::kCorrectionRange),
                                                   std::string(M::kEnterCorrection)}));
}

TEST_F(FormTest, ResetAfterNoticesRestoresStartupSilently)
{
    type(F::Text1, "13000");
    type(F::Text2, "abc");
    type(F::Text9, "7");
    click("Command1");
    ASSERT_FALSE(notices().empty());
    notifier.messages.clear();

    click("Command2");
    for (FieldId id : taruk::kAllFields)
        EXPECT_EQ(text(id), taruk::toQString(taruk::startupText(id))) << taruk::fieldName(id);
    EXPECT_TRUE(notices().empty());

    click("Command1");
    EXPECT_EQ(text(F::Text4), "1");
    EXPECT_EQ(text(F::Text6), "1.5");
}

TEST_F(FormTest, EnterAndEscapeRunNothing)
{
    for (FieldId id : {F::Text1, F::Text2, F::Text5, F::Text4}) {
        box(id)->setFocus();
        QTest::keyClick(box(id), Qt::Key_Return);
        QTest::keyClick(box(id), Qt::Key_Enter);
        QTest::keyClick(box(id), Qt::Key_Escape);
    }
    EXPECT_EQ(text(F::Text4), "");
    EXPECT_TRUE(notices().empty());
    EXPECT_TRUE(form.isVisible());
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
        {"default", taruk::CalculatorForm::defaultFont()},
        {"result", taruk::CalculatorForm::resultFont()}};
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

TEST_F(FormTest, WorksFromTheKeyboardAlone)
{
    QTest::keyClicks(QApplication::focusWidget(), "200"); // Text1 has the focus at start
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    for (int i = 0; i < 4; ++i) // Text2, Text3, Text4, Command1
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(text(F::Text4), "120"); // "1" + "200" less one digit
    EXPECT_EQ(text(F::Text6), "180");

    for (int i = 0; i < 3; ++i) // Text5, Text6, Command2
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(text(F::Text1), "1");
    EXPECT_TRUE(notices().empty());
}

} // namespace
