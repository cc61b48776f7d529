#pragma once

#include "core/FieldStore.h"

#include <string>
#include <string_view>

namespace taruk {

// The window's store as a check sees it: the box whose change was reported
// reads as the text reported with the change, whatever it holds by the time
// the check runs (a page may run it later, after other edits).
class ReportedTextStore : public FieldStore {
public:
    ReportedTextStore(FieldStore &boxes, FieldId reported, std::string_view text)
        : m_boxes(boxes),
          m_reported(reported),
          m_text(text)
    {
    }

    std::string getText(FieldId id) const override
    {
        return id == m_reported ? std::string(m_text) : m_boxes.getText(id);
    }
    void setText(FieldId id, std::string_view text) override { m_boxes.setText(id, text); }

private:
    FieldStore &m_boxes;
    FieldId m_reported;
    std::string_view m_text;
};

} // namespace taruk
