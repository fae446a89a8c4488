#include <windows.h>

#include "view/win32/dialog_host.h"
#include "net/net_session.h"
#include "ui/win32/win32_front.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!loadCommonControls()) return 0;

    // Lives until the process ends: never destroyed while a worker may still use it.
    auto* session = new NetSession();
    session->setWorkerWait(handleSentMessagesBriefly);

    HWND mainWindow = openMainWindow(instance, *session, firstAdapterAddresses);
    if (mainWindow == nullptr) {
        MessageBoxA(nullptr, "Unable to open the main window", "Error", MB_OK);
        return 0;
    }
    ShowWindow(mainWindow, SW_SHOW);
    return runMessageLoop([&](MSG& message) { return translateMainWindowKeys(instance, mainWindow, message); });
}
