#pragma once
// The configure dialog (template IDD_CONFIGURE): new ID, IP address and mask, gateway and DHCP
// setting for the board at devices.selectedIndex. Result 202 when the board acknowledged, 0 when
// the user cancelled.
#include <cstdint>

#include "view/dialog_view.h"
#include "net/device_record.h"
#include "net/net_session.h"
#include "view/window_logic.h"

class ConfigureDialog : public WindowLogic {
public:
    ConfigureDialog(DialogView& view, NetSession& session);
    // Waits for an operation this dialog started (a Cancel closes the dialog while the operation
    // is still ending), so its sink and question never outlive the dialog.
    ~ConfigureDialog() override;
    ConfigureDialog(const ConfigureDialog&) = delete;
    ConfigureDialog& operator=(const ConfigureDialog&) = delete;

    void opened() override;
    void command(int id, int notification, intptr_t value) override;

    // Worker thread: forwards EVT_BROADCAST, EVT_COMPLETE and EVT_CANCELLED; always true.
    bool configureSink(int32_t code, int32_t value);

    // The record the last accepted press handed to the operation.
    const DeviceRecord& sendRecord() const { return sendRecord_; }

private:
    void configure();
    void refuse();
    void operationCancelled();

    DialogView& view_;
    NetSession& session_;
    DeviceRecord sendRecord_;
    const DeviceRecord* board_ = nullptr;
    int32_t boardIndex_ = -1;
    bool started_ = false;
};
