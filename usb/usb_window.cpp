#include "usb/usb_window.h"

#include <cstring>

#include "usb/resource.h"

namespace {

constexpr int kDetailControls[] = {IDC_USB_DETAILS, IDC_USB_SERIAL_LABEL, IDC_USB_NAME_LABEL,
                                   IDC_USB_NAME, IDC_USB_RENAME};
constexpr size_t kNameMaxChars = 16;
// Far more than a name may have: a name cut on reading (on a double-byte code page a character
// is left out whole) must still be long enough to be refused.
constexpr size_t kNameReadChars = 255;

}  // namespace

UsbWindow::UsbWindow(DialogView& view, UsbBus& bus) : view_(view), bus_(bus) {}

UsbWindow::~UsbWindow() { freeUsbDeviceList(deviceList_); }

// Null outside the list, and for an entry whose path the system did not give: its "error"
// would name a file in the current folder.
const char* UsbWindow::devicePath(int32_t index) const {
    if (deviceList_ == nullptr || index < 0 || index >= deviceCount_) return nullptr;
    const char* path = deviceList_[index];
    return std::strcmp(path, kUsbErrorPath) == 0 ? nullptr : path;
}

void UsbWindow::opened() {
    enableDetails(false);
    relist();
}

void UsbWindow::timer(uintptr_t id) {
    if (id == REFRESH_TIMER) refresh();
}

void UsbWindow::command(int id, int notification, intptr_t /*value*/) {
    switch (id) {
    case IDC_USB_LIST:
        if (notification == kListSelectionChanged) selectionChanged();
        break;
    case IDC_USB_RENAME:
        rename();
        break;
    case IDCANCEL:
        view_.close(IDCANCEL);
        break;
    default:
        break;
    }
}

void UsbWindow::relist() {
    freeUsbDeviceList(deviceList_);
    deviceList_ = nullptr;
    deviceCount_ = 0;
    deviceCount_ = bus_.list(deviceList_);
    if (deviceCount_ < 0) deviceList_ = nullptr;
}

// A listing that ran out of memory is simply tried again: nothing is lost by retrying, and
// giving up would leave the window empty until the program is restarted.
void UsbWindow::refresh() {
    relist();
    const int selected = view_.listCurSel(IDC_USB_LIST);
    view_.listReset(IDC_USB_LIST);
    for (int32_t i = 0; i < deviceCount_; ++i) view_.listAdd(IDC_USB_LIST, boardLine(devicePath(i)));
    // Selecting by program raises no selection change, so the details keep what they show
    // (including a name the user is typing).
    if (selected >= 0 && selected < deviceCount_) view_.listSetCurSel(IDC_USB_LIST, selected);
}

std::string UsbWindow::boardLine(const char* path) {
    std::string line;
    if (path == nullptr) return line;
    char name[kUsbNameBuffer];
    if (bus_.readName(path, name)) {
        line = name;
        line += '\t';
    }
    char serial[kUsbSerialBuffer];
    if (bus_.readSerial(path, serial)) line += serial;
    return line;
}

void UsbWindow::selectionChanged() {
    const int selected = view_.listCurSel(IDC_USB_LIST);
    if (selected < 0) {
        enableDetails(false);
        return;
    }
    if (const char* path = devicePath(selected)) {
        char serial[kUsbSerialBuffer];
        if (bus_.readSerial(path, serial)) view_.setText(IDC_USB_SERIAL, serial);
        char name[kUsbNameBuffer];
        if (bus_.readName(path, name)) view_.setText(IDC_USB_NAME, name);
    }
    enableDetails(true);
}

void UsbWindow::rename() {
    const int selected = view_.listCurSel(IDC_USB_LIST);
    const std::string name = view_.getText(IDC_USB_NAME, kNameReadChars);
    if (name.size() > kNameMaxChars) {
        showError("Name must be less than 16 characters.");
    } else if (name.empty()) {
        showError("Enter new USB device name.");
    } else if (selected >= 0 && selected < deviceCount_) {
        const char* path = devicePath(selected);
        if (path == nullptr || !bus_.writeName(path, name.c_str()))
            showError("An error occured while trying to change the USB device name.");
    }
}

void UsbWindow::enableDetails(bool on) {
    for (int id : kDetailControls) view_.enable(id, on);
}

void UsbWindow::showError(const char* text) {
    view_.messageBox(text, "Error", MessageButtons::Ok);
}
