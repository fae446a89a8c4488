// Makes the simulated USB boards of simboard.sys known in a Wine prefix as the board driver
// makes real ones known on Windows: for each board a device of its own (ROOT\LANSETSIM\000N)
// with an interface of the boards' class, marked linked so that SetupDi lists it as present;
// then simboard.sys is started as a kernel service, which answers on those interfaces' paths.
//   simboard_setup DRIVER_PATH
#include <windows.h>
#include <setupapi.h>

#include <cstdio>
#include <string>

namespace {

const GUID kBoardClass = {0xBCB3C510, 0x9C6A, 0x48C3, {0x88, 0x7A, 0xDF, 0x99, 0x28, 0x53, 0xE6, 0xA9}};
constexpr wchar_t kClassKey[] =
    L"System\\CurrentControlSet\\Control\\DeviceClasses\\{BCB3C510-9C6A-48C3-887A-DF992853E6A9}";
constexpr int kBoards = 3;

int fail(const char* what) {
    std::fprintf(stderr, "simboard_setup: %s (error %lu)\n", what, GetLastError());
    return 1;
}

bool registerBoards() {
    HDEVINFO set = SetupDiCreateDeviceInfoList(&kBoardClass, nullptr);
    if (set == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    for (int i = 0; i < kBoards && ok; ++i) {
        const std::wstring id = L"ROOT\\LANSETSIM\\000" + std::to_wstring(i);
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        SP_DEVICE_INTERFACE_DATA iface{};
        iface.cbSize = sizeof iface;
        // A device left by an earlier run is taken as it is.
        const bool made = SetupDiCreateDeviceInfoW(set, id.c_str(), &kBoardClass, nullptr, nullptr, 0, &device) &&
                          SetupDiRegisterDeviceInfo(set, &device, 0, nullptr, nullptr, nullptr);
        ok = (made || SetupDiOpenDeviceInfoW(set, id.c_str(), nullptr, 0, &device)) &&
             SetupDiCreateDeviceInterfaceW(set, &device, &kBoardClass, nullptr, 0, &iface);
    }
    SetupDiDestroyDeviceInfoList(set);
    return ok;
}

// An interface is present while its driver has it linked: each one's "#\Control" says so.
bool linkInterfaces() {
    HKEY classKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kClassKey, 0, KEY_READ, &classKey) != ERROR_SUCCESS) return false;
    int linked = 0;
    wchar_t name[512];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name / sizeof name[0];
        if (RegEnumKeyExW(classKey, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY control = nullptr;
        const std::wstring path = std::wstring(name) + L"\\#\\Control";
        if (RegCreateKeyExW(classKey, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &control, nullptr) != ERROR_SUCCESS)
            continue;
        const DWORD one = 1;
        if (RegSetValueExW(control, L"Linked", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one) == ERROR_SUCCESS)
            ++linked;
        RegCloseKey(control);
    }
    RegCloseKey(classKey);
    return linked == kBoards;
}

bool startDriver(const wchar_t* path) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (manager == nullptr) return false;
    SC_HANDLE service = CreateServiceW(manager, L"lansetsim", L"Simulated USB boards", SERVICE_ALL_ACCESS,
                                       SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                                       path, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (service == nullptr) service = OpenServiceW(manager, L"lansetsim", SERVICE_ALL_ACCESS);
    bool running = false;
    if (service != nullptr && (StartServiceW(service, 0, nullptr) ||
                               GetLastError() == ERROR_SERVICE_ALREADY_RUNNING)) {
        const ULONGLONG deadline = GetTickCount64() + 20000;
        SERVICE_STATUS status{};
        while (QueryServiceStatus(service, &status) && status.dwCurrentState != SERVICE_RUNNING &&
               GetTickCount64() < deadline)
            Sleep(50);
        running = status.dwCurrentState == SERVICE_RUNNING;
    }
    if (service != nullptr) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return running;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: simboard_setup DRIVER_PATH\n");
        return 2;
    }
    if (!registerBoards()) return fail("the boards' devices and interfaces could not be registered");
    if (!linkInterfaces()) return fail("the boards' interfaces could not be marked linked");
    if (!startDriver(argv[1])) return fail("simboard.sys did not start");
    std::printf("simboard_setup: %d boards\n", kBoards);
    return 0;
}
