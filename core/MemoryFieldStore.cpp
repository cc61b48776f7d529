#include "core/MemoryFieldStore.h"

#include <utility>

namespace taruk {

MemoryFieldStore::MemoryFieldStore()
{
    for (FieldId id : kAllFields)
        m_texts[fieldIndex(id)] = std::string(startupText(id));
}

std::string MemoryFieldStore::getText(FieldId id) const { return m_texts[fieldIndex(id)]; }

void MemoryFieldStore::setText(FieldId id, std::string_view text)
{
    m_texts[fieldIndex(id)] = std::string(text);
    for (const Listener &listener : m_listeners[fieldIndex(id)])
        listener();
}

void MemoryFieldStore::addListener(FieldId id, Listener listener)
{
    m_listeners[fieldIndex(id)].push_back(std::move(listener));
}

} // namespace taruk
