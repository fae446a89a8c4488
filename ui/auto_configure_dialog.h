#pragma once
// The auto-configure dialog (template IDD_AUTOCONFIGURE): one template (ID pattern with a first
// sequence number, start IP address and mask, gateway, DHCP) given to the selected boards, all
// listed boards, or all boards a fresh find discovers. Result 206 when a pass completed, else 0.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "view/dialog_view.h"
#include "view/window_logic.h"
#include "net/device_record.h"
#include "net/net_session.h"

// Dotted-quad texts of the host's first network adapter: its first address, that address's
// mask and its first gateway.
struct AdapterAddresses {
    std::string ip;
    std::string mask;
    std::string gateway;
};
// nullopt when nothing can be had (no adapter, the system call fails): the address controls
// then stay empty.
using AdapterSource = std::function<std::optional<AdapterAddresses>()>;

// The proposed start address: the network address of ip under mask, "0.0.0.0" for "0.0.0.0".
std::string proposedStartAddress(const std::string& ip, const std::string& mask);

// What the dialog does to the main window's board list while it runs.
struct BoardListHooks {
    std::function<void()> empty;                     // a find phase starts
    std::function<void(int32_t index)> configured;   // a board of the pass acknowledged
};

class AutoConfigureDialog : public WindowLogic {
public:
    // autoTemplate outlives the dialog and keeps its values between openings.
    AutoConfigureDialog(DialogView& view, NetSession& session, DeviceRecord& autoTemplate,
                        AdapterSource adapters, BoardListHooks boardList);
    // Waits for an operation this dialog started, so its sinks never outlive it.
    ~AutoConfigureDialog() override;
    AutoConfigureDialog(const AutoConfigureDialog&) = delete;
    AutoConfigureDialog& operator=(const AutoConfigureDialog&) = delete;

    void opened() override;
    void command(int id, int notification, intptr_t value) override;

    // Worker thread. autoFindSink forwards EVT_FOUND, EVT_BROADCAST, EVT_COMPLETE; autoBatchSink
    // forwards EVT_CONFIG_BROADCAST as 201, EVT_CONFIGURED, EVT_BATCH_COMPLETE and
    // EVT_BATCH_CANCELLED. Both return true for every event.
    bool autoFindSink(int32_t code, int32_t value);
    bool autoBatchSink(int32_t code, int32_t value);

private:
    enum class Phase {
        Ready,         // entries may be changed; Cancel closes
        Checking,      // "Configure All" is checking the entries
        Finding,       // the find phase of "Find and Configure all devices" runs
        Configuring,   // the batch runs
    };

    void event(int code, intptr_t value);
    void offerModes();
    void configureAll();
    bool readTemplate();
    int32_t boardsOfPass();
    bool startFindPhase();
    bool startPass();
    void findPhaseEnded();
    void batchEnded();
    void endPass(int result);
    void backToReady();
    void cancel();

    DialogView& view_;
    NetSession& session_;
    DeviceRecord& autoTemplate_;
    AdapterSource adapters_;
    BoardListHooks boardList_;
    Phase phase_ = Phase::Ready;
    bool cancelAsked_ = false;     // Cancel while busy: close when the operation ends
    BatchScope scope_ = BatchScope::FreshFind;
    int32_t firstSequence_ = 0;
    int32_t configured_ = 0;       // boards the running pass has configured
    bool started_ = false;         // an operation of this dialog may still run
};
