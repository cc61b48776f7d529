#include "ui/qt/CalculatorForm.h"

#include "core/DamageCalculation.h"
#include "core/EntryChecks.h"
#include "core/Reset.h"
#include "ui/form/FormLayout.h"
#include "ui/qt/MessageBoxNotifier.h"
#include "ui/qt/Utf8.h"
#include "ui/qt/WidgetFieldStore.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

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

void setTextColour(QLineEdit *box, const QColor &colour)
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
      m_notifier(notifier ? notifier : m_ownNotifier.get())
{
    setObjectName(QStringLiteral("CalculatorForm"));
    setWindowTitle(toQString(FormLayout::kWindowCaption));
    buildControls();
    m_store = std::make_unique<WidgetFieldStore>(m_boxes);
    // The absolute layout does not reflow, so the window keeps its size.
    setFixedSize(px(FormLayout::kClientWidthTwips), px(FormLayout::kClientHeightTwips));

    connect(findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &CalculatorForm::Command1_Click);
    connect(findChild<QPushButton *>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &CalculatorForm::Command2_Click);
    connect(textBox(FieldId::Text1), &QLineEdit::textChanged, this, &CalculatorForm::Text1_Change);
    connect(textBox(FieldId::Text2), &QLineEdit::textChanged, this, &CalculatorForm::Text2_Change);

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
            containers.insert(toQString(spec.name), frame);
            widget = frame;
            break;
        }
        case ControlSpec::Kind::Label: {
            auto *label = new QLabel(toQString(spec.caption), parent);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            minimum = label->sizeHint();
            break;
        }
        case ControlSpec::Kind::TextBox: {
            const FieldId id = *spec.field;
            auto *box = new QLineEdit(toQString(startupText(id)), parent);
            // Keep whatever is typed or pasted, however long.
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setReadOnly(isOutputField(id));
            if (id == FieldId::Text4 || id == FieldId::Text6) {
                box->setFont(songFont);
                const FormLayout::Rgb c = id == FieldId::Text4 ? FormLayout::kNormalDamageColour
                                                               : FormLayout::kFrenzyDamageColour;
                setTextColour(box, QColor(c.red, c.green, c.blue));
            }
            m_boxes[fieldIndex(id)] = box;
            widget = box;
            minimum = QSize(0, box->minimumSizeHint().height());
            break;
        }
        case ControlSpec::Kind::Button: {
            auto *button = new QPushButton(toQString(spec.caption), parent);
            button->setAutoDefault(false);
            widget = button;
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
        QLineEdit *box = textBox(*spec.field);
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

void CalculatorForm::Command1_Click() { runDamageCalculation(*m_store, *m_notifier); }

void CalculatorForm::Command2_Click() { resetFields(*m_store); }

void CalculatorForm::Text1_Change() { checkRawDamage(*m_store, *m_notifier); }

void CalculatorForm::Text2_Change() { checkElementCorrection(*m_store, *m_notifier); }

} // namespace taruk
