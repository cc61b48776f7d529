#pragma once

#include "core/FieldStore.h"

#include <array>

class QLineEdit;

namespace taruk {

// The field texts as the window's text boxes hold them. setText goes through
// QLineEdit::setText, so textChanged fires just as for a user's edit.
class WidgetFieldStore : public FieldStore {
public:
    explicit WidgetFieldStore(const std::array<QLineEdit *, kFieldCount> &boxes);

    std::string getText(FieldId id) const override;
    void setText(FieldId id, std::string_view text) override;

private:
    std::array<QLineEdit *, kFieldCount> m_boxes;
};

} // namespace taruk
