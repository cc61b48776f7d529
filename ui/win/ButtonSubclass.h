#pragma once

#include "ui/form/EventRouter.h"

#include <windows.h>

namespace taruk::win {

// What a push button does beyond the system's button: it tells the router
// when a press begins (the mouse button or Space goes down on it), so that a
// press begun while a notice is open stays dropped when it completes. The
// completion is BN_CLICKED, which the window hands on.
class ButtonSubclass {
public:
    explicit ButtonSubclass(EventRouter &router) : m_router(router) {}

    void attach(HWND button, EventRouter::Button which);

private:
    static LRESULT CALLBACK procedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR which, DWORD_PTR self);

    EventRouter &m_router;
};

} // namespace taruk::win
