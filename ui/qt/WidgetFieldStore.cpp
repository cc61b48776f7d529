#include "ui/qt/WidgetFieldStore.h"

#include "ui/qt/TextBox.h"
#include "ui/qt/Utf8.h"

namespace taruk {

WidgetFieldStore::WidgetFieldStore(const std::array<TextBox *, kFieldCount> &boxes) : m_boxes(boxes)
{
}

std::string WidgetFieldStore::getText(FieldId id) const
{
    return m_boxes[fieldIndex(id)]->text().toStdString();
}

void WidgetFieldStore::setText(FieldId id, std::string_view text)
{
    m_boxes[fieldIndex(id)]->writeText(toQString(text));
}

} // namespace taruk
