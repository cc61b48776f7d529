#pragma once

#include "core/FieldStore.h"

#include <array>

namespace taruk {

// The window's store as the handlers write it, knowing which boxes an input
// method is composing in. A program write into a box ends its composition,
// whatever the toolkit does with the composition it overwrote: the written
// text is committed text, and its change is judged like any other.
class ComposingStore : public FieldStore {
public:
    explicit ComposingStore(FieldStore &boxes) : m_boxes(boxes) {}

    std::string getText(FieldId id) const override { return m_boxes.getText(id); }
    void setText(FieldId id, std::string_view text) override
    {
        // Before the write: the box reports its change from inside it.
        m_composing[fieldIndex(id)] = false;
        m_boxes.setText(id, text);
    }

    void setComposing(FieldId id, bool composing) { m_composing[fieldIndex(id)] = composing; }
    bool composing(FieldId id) const { return m_composing[fieldIndex(id)]; }

private:
    FieldStore &m_boxes;
    std::array<bool, kFieldCount> m_composing{};
};

} // namespace taruk
