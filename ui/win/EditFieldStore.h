#pragma once

#include "core/FieldStore.h"

#include <windows.h>

#include <array>

namespace taruk::win {

// The field texts in the window's edit controls. setText goes through
// SetWindowTextW, so the edit raises EN_CHANGE before setText returns, as
// for a user's edit. The checks compare each change with the text they last
// judged: a write they did not hear of, the reset's 1 say, would let the
// next edit back to the old text pass unjudged.
class EditFieldStore : public FieldStore {
public:
    explicit EditFieldStore(const std::array<HWND, kFieldCount> &edits) : m_edits(edits) {}

    std::string getText(FieldId id) const override;
    void setText(FieldId id, std::string_view text) override;

private:
    const std::array<HWND, kFieldCount> &m_edits;
};

} // namespace taruk::win
