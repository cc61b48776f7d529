#include "core/Reset.h"

#include <array>

namespace taruk {

void resetFields(FieldStore &store)
{
    using F = FieldId;
    // Not numbering order: the equipment fields go clothes, hat, necklace,
    // weapon.
    constexpr std::array kOrder = {
        F::Text1,  F::Text2,  F::Text3,  F::Text4,  F::Text5,  F::Text6,  F::Text11, F::Text12,
        F::Text13, F::Text10, F::Text7,  F::Text8,  F::Text9,  F::Text14, F::Text15, F::Text16,
        F::Text17, F::Text18, F::Text19, F::Text20, F::Text21, F::Text22, F::Text23, F::Text24,
    };
    for (FieldId id : kOrder)
        store.setText(id, startupText(id));
}

} // namespace taruk
