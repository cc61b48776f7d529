#include "ui/qt/CalculatorForm.h"

#include "core/DamageCalculation.h"
#include "core/EntryChecks.h"
#include "core/Reset.h"
#include "ui/form/FormLayout.h"
#include "ui/qt/CommandButton.h"
#include "ui/qt/MessageBoxNotifier.h"
#include "ui/qt/TextBox.h"
#include "ui/qt/Utf8.h"
#include "ui/qt/WidgetFieldStore.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLocale>

#include <algorithm>

namespace taruk {

namespace {

// Qt scales logical pixels on high-DPI screens itself.
int px(int twips) { return twips / FormLayout::kTwipsPerPixel; }

// Qt takes a list of families too, but then asks fontconfig for a full
// fallback list (a sort over every installed font) each time it loads the
// font. Naming the one installed face avoids that; a glyph the face lacks
// still falls back, looked up only when it is met. The lookup is in Qt's own
// list: QFontDatabase::hasFamily() runs fontconfig's rules on every call.
QString firstInstalledFamily(const QStringList &preferred, const QString &generic)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : preferred) {
        // A family that several foundries make is listed as "Family [Foundry]".
        const QString withFoundry = family + QStringLiteral(" [");
        if (std::any_of(installed.begin(), installed.end(), [&](const QString &name) {
                return name.compare(family, Qt::CaseInsensitive) == 0 ||
                       name.startsWith(withFoundry, Qt::CaseInsensitive);
            }))
            return family;
    }
    return generic;
}

void setTextColour(TextBox *box, const QColor &colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
}

} // namespace

CalculatorForm::CalculatorForm(Notifier *notifier, QWidget *parent)
    : QWidget(parent),
      m_ownNotifier(notifier ? nullptr
                             : std::make_unique<MessageBoxNotifier>(
                                   this, toQString(FormLayout::kApplicationTitle))),
      m_notices(notifier ? *notifier : *m_ownNotifier)
{
    setObjectName(QStringLiteral("CalculatorForm"));
    setWindowTitle(toQString(FormLayout::kWindowCaption));
    buildControls();
    m_store = std::make_unique<WidgetFieldStore>(m_boxes);
    // The absolute layout does not reflow, so the window keeps its size.
    setFixedSize(px(FormLayout::kClientWidthTwips), px(FormLayout::kClientHeightTwips));

    connect(findChild<CommandButton *>(QStringLiteral("Command1")), &CommandButton::activated, this,
            &CalculatorForm::Command1_Click);
    connect(findChild<CommandButton *>(QStringLiteral("Command2")), &CommandButton::activated, this,
            &CalculatorForm::Command2_Click);
    connect(textBox(FieldId::Text1), &TextBox::committedTextChanged, this,
            &CalculatorForm::Text1_Change);
    connect(textBox(FieldId::Text2), &TextBox::committedTextChanged, this,
            &CalculatorForm::Text2_Change);

    textBox(FieldId::Text1)->setFocus();
}

CalculatorForm::~CalculatorForm() = default;

QFont CalculatorForm::defaultFont()
{
    QFont font(firstInstalledFamily({QStringLiteral("Microsoft YaHei"),
                                     QStringLiteral("WenQuanYi Micro Hei"),
                                     QStringLiteral("Noto Sans CJK SC")},
                                    QStringLiteral("sans-serif")));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    return font;
}

QFont CalculatorForm::resultFont()
{
    // fontconfig does not know 宋体, so name the Song faces that stand in for it.
    QFont font(firstInstalledFamily({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                     QStringLiteral("AR PL UMing CN"),
                                     QStringLiteral("Noto Serif CJK SC")},
                                    QStringLiteral("serif")));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

void CalculatorForm::buildControls()
{
    QHash<QString, QWidget *> containers;
    const QFont songFont = resultFont();

    for (const ControlSpec &spec : FormLayout::kControls) {
        QWidget *parent =
            spec.container.empty() ? this : containers.value(toQString(spec.container));
        Q_ASSERT(parent);
        QWidget *widget = nullptr;
        QSize minimum;

        switch (spec.kind) {
        case ControlSpec::Kind::GroupBox: {
            auto *frame = new QGroupBox(toQString(spec.caption), parent);
            // Otherwise Qt names a group box after the one around it.
            frame->setAccessibleName(frame->title());
            containers.insert(toQString(spec.name), frame);
            widget = frame;
            break;
        }
        case ControlSpec::Kind::Label: {
            auto *label = new QLabel(toQString(spec.caption), parent);
            label->setTextFormat(Qt::PlainText);
            // Drawn from the top, as on the original form, so that labels
            // sharing a top share a baseline whatever their heights.
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            minimum = label->sizeHint();
            break;
        }
        case ControlSpec::Kind::TextBox: {
            const FieldId id = *spec.field;
            auto *box = new TextBox(toQString(startupText(id)), parent);
            box->setReadOnly(isOutputField(id));
            if (id == FieldId::Text4 || id == FieldId::Text6) {
                box->setFont(songFont);
                const Rgb c = id == FieldId::Text4 ? FormLayout::kNormalDamageColour
                                                   : FormLayout::kFrenzyDamageColour;
                setTextColour(box, QColor(c.red, c.green, c.blue));
            }
            m_boxes[fieldIndex(id)] = box;
            widget = box;
            minimum = QSize(0, box->minimumSizeHint().height());
            break;
        }
        case ControlSpec::Kind::Button: {
            widget = new CommandButton(
                toQString(spec.caption), [this] { return m_notices.isOpen(); }, parent);
            break;
        }
        }

        widget->setObjectName(toQString(spec.name));
        // Our fonts may be taller or wider than the original's: grow a
        // control rather than clip its text, keeping its top-left corner.
        widget->setGeometry(px(spec.left), px(spec.top), std::max(px(spec.width), minimum.width()),
                            std::max(px(spec.height), minimum.height()));
    }

    // Screen readers announce each box, results included, by its label.
    for (const ControlSpec &spec : FormLayout::kControls) {
        if (spec.kind != ControlSpec::Kind::Label || !spec.field)
            continue;
        auto *label = findChild<QLabel *>(toQString(spec.name));
        TextBox *box = textBox(*spec.field);
        label->setBuddy(box);
        box->setAccessibleName(label->text());
    }

    QWidget *previous = nullptr;
    for (std::size_t index : FormLayout::kFocusOrder) {
        auto *widget = findChild<QWidget *>(toQString(FormLayout::kControls[index].name));
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

char CalculatorForm::decimalSeparator(const QLocale &locale)
{
    const QString mark = locale.decimalPoint();
    if (mark.size() != 1)
        return '.';
    const char16_t c = mark.front().unicode();
    const bool usable = c > u' ' && c < 0x7f && !(c >= u'0' && c <= u'9') &&
                        !(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z') && c != u'+' &&
                        c != u'-';
    return usable ? static_cast<char>(c) : '.';
}

// While a notice is open the window takes no input, but not every path into
// it (a screen reader's actions, for one) asks the window system first, so
// each handler checks. A check nested in the reset still runs: no notice is
// open then.

void CalculatorForm::Command1_Click()
{
    if (!m_notices.isOpen())
        runDamageCalculation(*m_store, m_notices, decimalSeparator(QLocale::system()));
}

void CalculatorForm::Command2_Click()
{
    if (!m_notices.isOpen())
        resetFields(*m_store);
}

void CalculatorForm::Text1_Change()
{
    if (!m_notices.isOpen())
        checkRawDamage(*m_store, m_notices, decimalSeparator(QLocale::system()));
}

void CalculatorForm::Text2_Change()
{
    if (!m_notices.isOpen())
        checkElementCorrection(*m_store, m_notices, decimalSeparator(QLocale::system()));
}

} // namespace taruk
