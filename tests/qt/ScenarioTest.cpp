#include "core/Notifier.h"
#include "tests/scenarios/ScenarioSuite.h"
#include "tests/scenarios/ScenarioUser.h"
#include "ui/qt/CalculatorForm.h"
#include "ui/qt/TextBox.h"
#include "ui/qt/Utf8.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// Records each notice and does to the window what a modal box does, without
// waiting for anyone: another window opens and takes the activation, then
// closes and hands it back. The focus must then be where it was.
class StandInNotifier : public taruk::Notifier {
public:
    void notify(std::string_view message) override
    {
        messages.emplace_back(message);
        QWidget *owner = QApplication::activeWindow();
        QDialog box(owner);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.close();
        if (owner) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(owner));
        }
    }
    std::vector<std::string> messages;
};

// The key a character is typed with; Qt inserts the event's text.
Qt::Key keyFor(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return Qt::Key(Qt::Key_0 + (c.unicode() - u'0'));
    if (c >= u'a' && c <= u'z')
        return Qt::Key(Qt::Key_A + (c.unicode() - u'a'));
    switch (c.unicode()) {
    case u'.':
        return Qt::Key_Period;
    case u',':
        return Qt::Key_Comma;
    case u'-':
        return Qt::Key_Minus;
    default:
        return Qt::Key_unknown; // full-width digits and the like, as an input method sends them
    }
}

// The scenarios played through the real window, by mouse and keyboard.
class QtScenario : public testing::TestWithParam<taruk::Scenario>, public ScenarioUser {
protected:
    QWidget *focus() const { return QApplication::focusWidget(); }
    QWidget *control(std::string_view name) const
    {
        auto *widget = form.findChild<QWidget *>(taruk::toQString(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(std::string_view name) override { QTest::mouseClick(control(name), Qt::LeftButton); }
    void type(std::string_view text) override
    {
        for (const QChar c : taruk::toQString(text))
            QTest::sendKeyEvent(QTest::Click, focus(), keyFor(c), QString(c), Qt::NoModifier);
    }
    void key(std::string_view name) override
    {
        const std::vector<std::tuple<std::string_view, Qt::Key, Qt::KeyboardModifiers>> keys = {
            {"Tab", Qt::Key_Tab, Qt::NoModifier},
            {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
            {"Enter", Qt::Key_Return, Qt::NoModifier},
            {"Shift+Enter", Qt::Key_Return, Qt::ShiftModifier},
            {"Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier},
            {"Alt+Enter", Qt::Key_Return, Qt::AltModifier},
            {"Escape", Qt::Key_Escape, Qt::NoModifier},
            {"Space", Qt::Key_Space, Qt::NoModifier},
            {"Backspace", Qt::Key_Backspace, Qt::NoModifier},
            {"Ctrl+A", Qt::Key_A, Qt::ControlModifier},
        };
        if (name == "Enter held") {
            // As Qt reports a held key: presses marked as repeats after the
            // first, one release at the end.
            for (const bool repeat : {false, true, true}) {
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier,
                               QStringLiteral("\r"), repeat);
                QApplication::sendEvent(focus(), &down);
            }
            QKeyEvent up(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(focus(), &up);
            return;
        }
        for (const auto &[keyName, code, modifiers] : keys)
            if (keyName == name)
                return QTest::keyClick(focus(), code, modifiers);
        ADD_FAILURE() << "no key " << name;
    }

    StandInNotifier notifier;
    taruk::CalculatorForm form{&notifier, GetParam().decimalSeparator};
};

TEST_P(QtScenario, ShowsWhatTheTableSays)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_EQ(focus(), control("Text1"));
    for (const taruk::ScenarioStep &step : GetParam().steps) {
        SCOPED_TRACE(describe(step));
        notifier.messages.clear();
        play(step);
        EXPECT_EQ(notifier.messages, strings(step.notices));
        if (!step.focus.empty()) {
            EXPECT_EQ(focus() ? focus()->objectName().toStdString() : "none", step.focus);
        }
    }
    for (const auto &[box, text] : finalTexts(GetParam()))
        EXPECT_EQ(qobject_cast<QLineEdit *>(control(box))->text().toStdString(), text) << box;
}

TARUK_INSTANTIATE_SCENARIOS(QtScenario);

} // namespace
