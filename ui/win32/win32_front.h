#pragma once
// lanset's Win32 front end: the windows built from the program's dialog templates around the
// toolkit-neutral logic. Shared by the program's entry point and the Windows tests.
#include <windows.h>

#include <optional>

#include "view/window_logic.h"
#include "net/net_session.h"
#include "ui/auto_configure_dialog.h"

// Runs dialog templateId modally, owned by owner: make builds the logic over the dialog's view,
// and every command goes to the logic until it closes the view. The logic is destroyed before
// the view. Returns the logic's result; 0 when the dialog could not be made (as when the common
// controls were not loaded first: see loadCommonControls).
int runLansetDialog(HINSTANCE instance, HWND owner, int templateId, const WindowFactory& make);

// Opens the main window (template IDD_MAIN) modeless over session, with its version title, not
// yet shown. Its logic stops and waits for a running operation when the window is destroyed.
// Null when the window could not be made.
HWND openMainWindow(HINSTANCE instance, NetSession& session, AdapterSource adapters);

// The main window's keys (Ctrl+C "Copy", Ctrl+S "Save List As...") from the program's
// accelerator table: true when message was one of them, typed in the main window, and has been
// handled as its command. The message loop hands every other message on as before.
bool translateMainWindowKeys(HINSTANCE instance, HWND mainWindow, MSG& message);

// The host's first network adapter as GetAdaptersInfo lists it; nothing when the call fails
// or there is no adapter.
std::optional<AdapterAddresses> firstAdapterAddresses();

// What the window thread does while it waits for a worker: it handles what workers send.
void handleSentMessagesBriefly();
