#pragma once

#include "core/Fields.h"

#include <string>
#include <string_view>

namespace taruk {

// The field texts as the core sees them, UTF-8 encoded. The owner keeps the
// texts; the core only borrows a store for the length of one operation.
class FieldStore {
public:
    virtual ~FieldStore() = default;

    virtual std::string getText(FieldId id) const = 0;

    // Replaces the text and raises the field's change notification before
    // returning, exactly as an edit by the user would.
    virtual void setText(FieldId id, std::string_view text) = 0;
};

} // namespace taruk
