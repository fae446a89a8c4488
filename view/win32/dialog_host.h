#pragma once
// How every window of both programs runs on Win32: a dialog from its template, a
// Win32DialogView over it and the window's logic, behind one dialog procedure. No C++ exception
// crosses into the system's code, and a handler may destroy its own window.
#include <windows.h>

#include <functional>

#include "view/win32/win32_dialog_view.h"
#include "view/window_logic.h"

struct DialogSetup {
    HINSTANCE instance = nullptr;
    int templateId = 0;
    WindowFactory make;
    // On the new window, before its logic is made: what its template cannot say (its title).
    std::function<void(Win32DialogView& view)> prepare;
    // Once the logic has opened: what else the window needs to run (a timer, its first tick).
    std::function<void(HWND window)> started;
};

// Runs the dialog modally, owned by owner, and returns the result its logic closed it with; 0
// when it could not be made. The logic is destroyed (after its window, before its view) by the
// time this returns.
int runModalDialog(HWND owner, const DialogSetup& setup);

// Creates the dialog modeless and not yet shown. Its view and logic live until the window is
// destroyed (or, when a handler destroys it, until that handler has returned). Null when the
// window or its logic could not be made.
HWND createModelessDialog(HWND owner, const DialogSetup& setup);

// What both programs' entry points do around their window. The common controls, with the IP
// address control class, before any window: a dialog whose template holds a class that is not
// registered is never made. False, after saying so in a message box, when they cannot be had.
bool loadCommonControls();
// Runs the thread's messages until the program is asked to quit; a message that handled takes
// (a key of an accelerator table) goes no further. Returns the quit code, or 1 when the loop
// itself fails.
int runMessageLoop(const std::function<bool(MSG& message)>& handled = {});
