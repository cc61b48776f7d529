#pragma once

#include "core/FieldStore.h"

#include <functional>

namespace taruk::web {

// The field texts in the page's <input> boxes. Setting an input's value
// fires no event, so setText reports the change itself, synchronously, as a
// window's change notification would.
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
