#pragma once

#include "core/Fields.h"
#include "ui/form/EventRouter.h"

#include <windows.h>

namespace taruk::win {

// What a text box does beyond the system's edit control: it tells the
// router when an input method starts and ends a composition in it, and
// shows the window's own Chinese context menu.
class TextBoxSubclass {
public:
    explicit TextBoxSubclass(EventRouter &router) : m_router(router) {}

    void attach(HWND edit, FieldId id);

private:
    static LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR field, DWORD_PTR self);

    EventRouter &m_router;
};

} // namespace taruk::win
