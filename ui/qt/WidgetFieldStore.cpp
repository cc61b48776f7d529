#include "ui/qt/WidgetFieldStore.h"

#include "ui/qt/Utf8.h"

#include <QLineEdit>

namespace taruk {

WidgetFieldStore::WidgetFieldStore(const std::array<QLineEdit *, kFieldCount> &boxes)
    : m_boxes(boxes)
{
}

std::string WidgetFieldStore::getText(FieldId id) const
{
    return m_boxes[fieldIndex(id)]->text().toStdString();
}

void WidgetFieldStore::setText(FieldId id, std::string_view text)
{
    m_boxes[fieldIndex(id)]->setText(toQString(text));
}

} // namespace taruk
