#pragma once

#include "tests/form/OpenNoticeNotifier.h"
#include "ui/qt/CalculatorForm.h"
#include "ui/qt/TextBox.h"
#include "ui/qt/Utf8.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The real window, shown and active, with its notices recorded.
class FormTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    taruk::TextBox *box(taruk::FieldId id) const { return form.textBox(id); }
    QString text(taruk::FieldId id) const { return box(id)->text(); }
    QPushButton *button(const char *name) const { return form.findChild<QPushButton *>(name); }

    // Replaces a box's text the way a user does: select all, then type.
    void type(taruk::FieldId id, const QString &keys)
    {
        QLineEdit *b = box(id);
        b->setFocus();
        b->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(b, Qt::Key_Backspace);
        else
            QTest::keyClicks(b, keys);
    }
    // Replaces a box's text from the clipboard with Ctrl+V.
    void paste(taruk::FieldId id, const QString &content)
    {
        QApplication::clipboard()->setText(content);
        QLineEdit *b = box(id);
        b->setFocus();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    std::vector<std::string> notices() const { return notifier.messages; }

    OpenNoticeNotifier notifier;
    taruk::CalculatorForm form{&notifier};
};
