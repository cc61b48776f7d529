#include "ui/qt/CalculatorForm.h"

#include "ui/form/DecimalSeparator.h"
#include "ui/form/EventRouter.h"
#include "ui/form/FormLayout.h"
#include "ui/form/ResultColour.h"
#include "ui/qt/CommandButton.h"
#include "ui/qt/FormFonts.h"
#include "ui/qt/MessageBoxNotifier.h"
#include "ui/qt/TextBox.h"
#include "ui/qt/Utf8.h"
#include "ui/qt/WidgetFieldStore.h"

#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>

#include <algorithm>

namespace taruk {

namespace {

// Qt scales logical pixels on high-DPI screens itself.
int px(int twips) { return twips / FormLayout::kTwipsPerPixel; }

Rgb rgbOf(const QColor &c) { return {c.red(), c.green(), c.blue()}; }

} // namespace

CalculatorForm::CalculatorForm(Notifier *notifier, char decimalSeparator, QWidget *parent)
    : QWidget(parent),
      m_ownNotifier(notifier ? nullptr
                             : std::make_unique<MessageBoxNotifier>(
                                   this, toQString(FormLayout::kApplicationTitle)))
{
    setObjectName(QStringLiteral("CalculatorForm"));
    setWindowTitle(toQString(FormLayout::kWindowCaption));
    buildControls();
    colourResults();
    m_store = std::make_unique<WidgetFieldStore>(m_boxes);
    m_router = std::make_unique<EventRouter>(*m_store, notifier ? *notifier : *m_ownNotifier,
                                             decimalSeparator);
    connectControls();
    // The absolute layout does not reflow, so the window keeps its size.
    setFixedSize(px(FormLayout::kClientWidthTwips), px(FormLayout::kClientHeightTwips));
    textBox(FieldId::Text1)->setFocus();
}

CalculatorForm::~CalculatorForm() = default;

char CalculatorForm::systemDecimalSeparator()
{
    return decimalSeparatorFor(QLocale::system().decimalPoint().toStdString());
}

void CalculatorForm::buildControls()
{
    QHash<QString, QWidget *> containers;
    const QFont resultFont = FormFonts::result();

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
            if (FormLayout::isResultBox(id))
                box->setFont(resultFont);
            m_boxes[fieldIndex(id)] = box;
            widget = box;
            minimum = QSize(0, box->minimumSizeHint().height());
            break;
        }
        case ControlSpec::Kind::Button:
            widget = new CommandButton(toQString(spec.caption), parent);
            break;
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

// What the toolkit tells, handed to the shared routing as it happens.
void CalculatorForm::connectControls()
{
    using Button = EventRouter::Button;
    for (const auto &[name, button] :
         {std::pair{"Command1", Button::Command1}, std::pair{"Command2", Button::Command2}}) {
        auto *widget = findChild<CommandButton *>(QString::fromLatin1(name));
        connect(widget, &QAbstractButton::pressed, this,
                [this, b = button] { m_router->pressBegan(b); });
        connect(widget, &QAbstractButton::clicked, this,
                [this, b = button] { m_router->pressCompleted(b); });
        connect(widget, &CommandButton::enterPressed, this, [this, b = button](QKeyEvent *event) {
            const Qt::KeyboardModifiers held = event->modifiers();
            event->setAccepted(m_router->enterKeyDown(
                b,
                {held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier),
                 held.testFlag(Qt::AltModifier), held.testFlag(Qt::MetaModifier)},
                event->isAutoRepeat()));
        });
    }
    for (FieldId id : kAllFields) {
        TextBox *box = textBox(id);
        connect(box, &QLineEdit::textChanged, this,
                [this, id](const QString &text) { m_router->textChanged(id, text.toStdString()); });
        connect(box, &TextBox::compositionStarted, this,
                [this, id] { m_router->compositionStarted(id); });
        connect(box, &TextBox::compositionEnded, this,
                [this, id, box] { m_router->compositionEnded(id, box->text().toStdString()); });
    }
}

void CalculatorForm::colourResults()
{
    // The window's own palette: the boxes take their background from it, and
    // theirs may not have followed a change yet. Qt 6.4 tells no
    // high-contrast setting: such a theme comes as a palette, on which the
    // rule keeps the results readable.
    const QPalette &own = this->palette();
    for (const FormLayout::ResultBox &result : FormLayout::kResultBoxes) {
        TextBox *box = textBox(result.box);
        QPalette palette = box->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const BoxTheme theme = {rgbOf(own.color(group, QPalette::Base)),
                                    rgbOf(own.color(group, QPalette::Text)), false};
            const Rgb shown = resultTextColour(result.box, theme);
            palette.setColor(group, QPalette::Text, QColor(shown.red, shown.green, shown.blue));
        }
        box->setPalette(palette);
    }
}

void CalculatorForm::changeEvent(QEvent *event)
{
    // A new palette (a dark theme switched on, say) may leave the fixed
    // colours unreadable.
    if (event->type() == QEvent::PaletteChange)
        colourResults();
    QWidget::changeEvent(event);
}

} // namespace taruk
