#include "ui/web/InputFieldStore.h"

#include "ui/web/PageDom.h"

#include <utility>

namespace taruk::web {

InputFieldStore::InputFieldStore(ChangeListener changed) : m_changed(std::move(changed)) {}

std::string InputFieldStore::getText(FieldId id) const { return PageDom::text(id); }

void InputFieldStore::setText(FieldId id, std::string_view text)
{
    PageDom::setText(id, text);
    // What the box now holds: an input drops line breaks from its value.
    m_changed(id, PageDom::text(id));
}

} // namespace taruk::web
