#pragma once

#include "core/FieldStore.h"

#include <functional>

namespace taruk::web {

// The field texts in the page's <input> boxes. Setting an input's value
// fires no event, so setText reports the change itself, synchronously, as a
// window's change notification would. The checks compare each change with
// the text they last judged: a write they did not hear of, the reset's 1
// say, would let the next edit back to the old text pass unjudged.
class InputFieldStore : public FieldStore {
public:
    using ChangeListener = std::function<void(FieldId, std::string_view)>;

    explicit InputFieldStore(ChangeListener changed);

    std::string getText(FieldId id) const override;
    void setText(FieldId id, std::string_view text) override;

private:
    ChangeListener m_changed;
};

} // namespace taruk::web
