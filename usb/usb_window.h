#pragma once
// plugset's one window, toolkit-neutral: the list of attached boards refreshed on a timer,
// the selected board's details, and renaming it.
#include <cstdint>
#include <string>

#include "view/dialog_view.h"
#include "view/window_logic.h"
#include "usb/usb_bus.h"

// The list box's selection-change notification (LBN_SELCHANGE).
inline constexpr int kListSelectionChanged = 1;

class UsbWindow : public WindowLogic {
public:
    UsbWindow(DialogView& view, UsbBus& bus);
    ~UsbWindow() override;
    UsbWindow(const UsbWindow&) = delete;
    UsbWindow& operator=(const UsbWindow&) = delete;

    // The window has been created: details disabled, first listing. The caller then starts
    // REFRESH_TIMER and delivers its first tick at once.
    void opened() override;
    void timer(uintptr_t id) override;
    void command(int id, int notification, intptr_t value) override;

    int32_t deviceCount() const { return deviceCount_; }

private:
    const char* devicePath(int32_t index) const;
    void relist();
    void refresh();
    void selectionChanged();
    void rename();
    void enableDetails(bool on);
    std::string boardLine(const char* path);
    void showError(const char* text);

    DialogView& view_;
    UsbBus& bus_;
    UsbDeviceList deviceList_ = nullptr;
    int32_t deviceCount_ = 0;  // -1 after a listing that ran out of memory
};
