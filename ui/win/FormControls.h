#pragma once

#include "core/Fields.h"
#include "ui/form/FormLayout.h"
#include "ui/win/FormFonts.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

namespace taruk::win {

// The 57 controls of the shared table as children of one window: made in
// their places at a DPI, with their fonts, and placed again at another.
class FormControls {
public:
    static constexpr std::size_t kCount = FormLayout::kControls.size();

    // False when a control cannot be made; those made so far stay children of
    // `parent` and go with it.
    bool create(HWND parent, UINT dpi);
    void layout(UINT dpi);

    HWND at(std::size_t index) const { return m_controls[index]; }
    HWND edit(FieldId id) const { return m_edits[fieldIndex(id)]; }
    const std::array<HWND, kFieldCount> &edits() const { return m_edits; }
    // The control of that name in the table ("Command1", "Label24", …).
    HWND control(std::string_view name) const;

    // The table index of the control that sends WM_COMMAND with this id from
    // this window; nothing for any other id or sender.
    std::optional<std::size_t> indexOf(int id, HWND sender) const;

private:
    HWND m_parent = nullptr;
    std::array<HWND, kCount> m_controls{};
    std::array<HWND, kFieldCount> m_edits{};
    std::unique_ptr<FormFonts> m_fonts;
};

} // namespace taruk::win
