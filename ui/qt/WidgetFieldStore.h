#pragma once

#include "core/FieldStore.h"

#include <array>

namespace taruk {

class TextBox;

// The field texts as the window's text boxes hold them. setText raises the
// box's change notification before it returns, just as a user's edit does.
// The checks compare each change with the text they last judged: a write
// they did not hear of, the reset's 1 say, would let the next edit back to
// the old text pass unjudged.
class WidgetFieldStore : public FieldStore {
public:
    explicit WidgetFieldStore(const std::array<TextBox *, kFieldCount> &boxes);

    std::string getText(FieldId id) const override;
    void setText(FieldId id, std::string_view text) override;

private:
    std::array<TextBox *, kFieldCount> m_boxes;
};

} // namespace taruk
