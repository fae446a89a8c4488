#pragma once
// The configure dialog (template IDD_CONFIGURE): new ID, IP address and mask, gateway and DHCP
// setting for one board of the list. Result kConfigured when the board acknowledged, 0 when the
// user cancelled.
#include <cstdint>

#include "view/dialog_view.h"
#include "net/device_record.h"
#include "net/net_session.h"
#include "view/window_logic.h"

class ConfigureDialog : public WindowLogic {
public:
    static constexpr int kConfigured = 1;

    // boardIndex: the list index of the board the user chose.
    ConfigureDialog(DialogView& view, NetSession& session, int32_t boardIndex);
    // Waits for an operation this dialog started (a Cancel closes the dialog while the operation
    // is still ending), so its sink and question never outlive the dialog.
    ~ConfigureDialog() override;
    ConfigureDialog(const ConfigureDialog&) = delete;
    ConfigureDialog& operator=(const ConfigureDialog&) = delete;

    void opened() override;
    void command(int id, int notification, intptr_t value) override;

    // The operation's events: EVT_BROADCAST, EVT_COMPLETE and EVT_CANCELLED.
    bool event(SessionEvent code, int32_t value) override;

    // The record the last accepted press handed to the operation.
    const DeviceRecord& sendRecord() const { return sendRecord_; }

private:
    void configure();
    void refuse();
    // finalValue: the final event's, which says how the network did.
    void operationCancelled(int32_t finalValue);

    DialogView& view_;
    NetSession& session_;
    DeviceRecord sendRecord_;
    const DeviceRecord* board_ = nullptr;
    int32_t boardIndex_ = -1;
    bool started_ = false;
};
