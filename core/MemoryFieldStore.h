#pragma once

#include "core/FieldStore.h"

#include <array>
#include <functional>
#include <vector>

namespace taruk {

// The 24 field texts in memory, starting with their start-up texts. Lets the
// core run, be tested and be benchmarked without a window. Every setText
// calls the field's listeners synchronously, even when the text is unchanged.
class MemoryFieldStore : public FieldStore {
public:
    using Listener = std::function<void()>;

    MemoryFieldStore();

    std::string getText(FieldId id) const override;
    void setText(FieldId id, std::string_view text) override;

    void addListener(FieldId id, Listener listener);

private:
    std::array<std::string, kFieldCount> m_texts;
    std::array<std::vector<Listener>, kFieldCount> m_listeners;
};

} // namespace taruk
