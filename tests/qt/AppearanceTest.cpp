#include "tests/qt/FormFixture.h"
#include "ui/form/Contrast.h"

#include <QAccessible>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

using taruk::FieldId;

namespace {

using F = FieldId;

QImage rendered(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What a box looks like scrolled to show the character at a position: a box
// of the same size, face and colours.
QImage renderedScrolledTo(const QLineEdit *box, int cursorPosition)
{
    QLineEdit twin(box->text());
    twin.setFont(box->font());
    twin.setPalette(box->palette());
    twin.setReadOnly(box->isReadOnly());
    twin.resize(box->size());
    twin.setCursorPosition(cursorPosition);
    return rendered(&twin);
}

struct ShownCase {
    const char *name;
    std::vector<std::pair<FieldId, QString>> inputs;
    FieldId output;
    QString expected;
};
void PrintTo(const ShownCase &c, std::ostream *os) { *os << c.name; }

class ResultShown : public FormTest, public testing::WithParamInterface<ShownCase> {};

// A player must read 16762, not 762: results too long for their box show
// their first digits, as a Windows edit box shows a text just set.
TEST_P(ResultShown, FromItsFirstCharacter)
{
    const ShownCase &c = GetParam();
    for (const auto &[id, keys] : c.inputs)
        type(id, keys);
    click("Command1");
    QLineEdit *b = box(c.output);
    ASSERT_EQ(b->text(), c.expected);

    const QImage start = renderedScrolledTo(b, 0);
    ASSERT_NE(start, renderedScrolledTo(b, int(c.expected.size()))) << "fits its box anyway";
    EXPECT_EQ(rendered(b), start);
}

INSTANTIATE_TEST_SUITE_P(
    Calculation, ResultShown,
    testing::Values(
        // 5333 × 1.37 × 1.15 = 8402.1415; × 1.33 × 1.5 = 16762.272292…
        ShownCase{"FrenzyDamage",
                  {{F::Text1, "5333"}, {F::Text2, "1.15"}, {F::Text7, "37"}, {F::Text5, "33"}},
                  F::Text6,
                  "16762.2722925"},
        ShownCase{"NormalDamage", {{F::Text1, "1.23456789012345"}}, F::Text4, "1.23456789012345"},
        ShownCase{"CounterTotal", {{F::Text7, "12345.6789012345"}}, F::Text3, "12345.6789012345"},
        ShownCase{
            "FlatBonusTotal", {{F::Text10, "123456789.123456"}}, F::Text22, "123456789.123456"}),
    [](const auto &info) { return info.param.name; });

TEST_F(FormTest, GroupBoxesAnnounceTheirOwnTitles)
{
    // Frame2 and Frame3 share 武器, 衣服, 帽子 and 项链: only the group tells
    // a flat bonus from a percentage.
    const std::vector<std::pair<const char *, QString>> expected = {
        {"Frame1", "Taruk杀伤计算器"}, {"Frame2", "强Taruk杀伤"}, {"Frame3", "强力克属性详细列表"}};
    for (const auto &[name, title] : expected) {
        auto *frame = form.findChild<QGroupBox *>(name);
        ASSERT_NE(frame, nullptr) << name;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(frame);
        ASSERT_NE(accessible, nullptr) << name;
        EXPECT_EQ(accessible->text(QAccessible::Name), title) << name;
    }
}

// Where a label's text stands on the line, in window coordinates.
int baseline(const QLabel *label)
{
    const QRect drawn = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(),
                                                     int(label->alignment()), true, label->text());
    return label->mapTo(label->window(), drawn.topLeft()).y() + label->fontMetrics().ascent();
}

TEST_F(FormTest, LabelsSharingATopShareABaseline)
{
    // Each pair shares its top on the form but not its height.
    const std::vector<std::pair<const char *, const char *>> pairs = {
        {"Label27", "Label25"}, // "PS:" and the raw damage range
        {"Label26", "Label7"},  // the correction range and the credit line
        {"Label17", "Label18"}, // 披风 and 面具
    };
    for (const auto &[first, second] : pairs) {
        auto *a = form.findChild<QLabel *>(first);
        auto *b = form.findChild<QLabel *>(second);
        ASSERT_TRUE(a && b);
        ASSERT_EQ(a->mapTo(&form, QPoint()).y(), b->mapTo(&form, QPoint()).y());
        EXPECT_EQ(baseline(a), baseline(b)) << first << " " << second;
    }
}

// Qt's own texts are its Chinese ones, whatever the locale (the suite runs
// under LANG=C).
TEST_F(FormTest, TextBoxContextMenuIsChinese)
{
    QLineEdit *b = box(F::Text5);
    std::unique_ptr<QMenu> menu(b->createStandardContextMenu());
    QStringList entries;
    for (QAction *action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().section('\t', 0, 0); // without the shortcut
    EXPECT_EQ(entries, (QStringList{"撤消(&U)", "重做(&R)", "剪切(&T)", "复制(&C)", "粘贴(&P)",
                                    "删除", "全选"}));
}

// A dark desktop theme, as Qt's own dark palettes set it.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(42, 42, 42), light(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, light);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, light);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, light);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

taruk::Rgb rgbAt(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return {c.red(), c.green(), c.blue()};
}

// The contrast of what is drawn in a rectangle of a screenshot: its most
// common colour is the background, the pixel that stands out most from it
// the ink.
double inkContrast(const QImage &shot, const QRect &area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    const QRgb common =
        std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
            return a.second < b.second;
        })->first;
    const taruk::Rgb background = {qRed(common), qGreen(common), qBlue(common)};
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, taruk::contrastRatio(rgbAt(shot, x, y), background));
    return best;
}

// Under a dark theme every text of the window, the red and navy results
// included, stands out from its background by 4.5:1 at least: measured on
// the pixels the window draws.
TEST(DarkTheme, EveryTextStaysReadable)
{
    const QPalette previousPalette = QApplication::palette();
    const QString previousStyle = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());

    OpenNoticeNotifier notifier;
    taruk::CalculatorForm form(&notifier, '.');
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    ASSERT_EQ(form.textBox(F::Text6)->text(), "1.5");
    const QImage shot = rendered(&form);

    std::vector<std::pair<QString, QRect>> areas;
    for (QWidget *w : form.findChildren<QWidget *>()) {
        const QRect r(w->mapTo(&form, QPoint()), w->size());
        if (qobject_cast<QLabel *>(w))
            areas.emplace_back(w->objectName(), r);
        else if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPushButton *>(w))
            areas.emplace_back(w->objectName(), r.adjusted(4, 4, -4, -4)); // inside the frame
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            areas.emplace_back(w->objectName(),
                               QRect(r.left() + 4, r.top(),
                                     g->fontMetrics().horizontalAdvance(g->title()) + 8,
                                     g->fontMetrics().height()));
    }
    ASSERT_EQ(areas.size(), 57u);
    for (const auto &[name, area] : areas)
        EXPECT_GE(inkContrast(shot, area), taruk::kMinimumContrast) << name.toStdString();

    QApplication::setPalette(previousPalette);
    QApplication::setStyle(previousStyle);
}

} // namespace
