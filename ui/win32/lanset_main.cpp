#include <windows.h>
#include <commctrl.h>

#include "net/net_session.h"
#include "ui/win32/win32_front.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_INTERNET_CLASSES;
    if (!InitCommonControlsEx(&controls)) {
        MessageBoxA(nullptr, "Unable to load common controls", "Error", MB_OK);
        return 0;
    }

    // Lives until the process ends: never destroyed while a worker may still use it.
    auto* session = new NetSession();
    session->setWorkerWait(handleSentMessagesBriefly);

    HWND mainWindow = openMainWindow(instance, *session, firstAdapterAddresses);
    if (mainWindow == nullptr) {
        MessageBoxA(nullptr, "Unable to open the main window", "Error", MB_OK);
        return 0;
    }
    ShowWindow(mainWindow, SW_SHOW);

    MSG message{};
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        if (translateMainWindowKeys(instance, mainWindow, message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 0;
}
