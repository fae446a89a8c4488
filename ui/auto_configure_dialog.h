#pragma once
// The auto-configure dialog (template IDD_AUTOCONFIGURE): one template (ID pattern with a first
// sequence number, start IP address and mask, gateway, DHCP) given to the selected boards, all
// listed boards, or all boards a fresh find discovers. Its result is the number of boards of the
// pass that completed; 0 when none did.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "view/dialog_view.h"
#include "view/window_logic.h"
#include "net/device_record.h"
#include "net/net_session.h"
#include "ui/auto_configure_pass.h"

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

// Which boards the pass takes.
enum class BatchScope { FreshFind, Selection, AllListed };

class AutoConfigureDialog : public WindowLogic {
public:
    // autoTemplate outlives the dialog and keeps its values between openings. chosen: the main
    // list's selected lines (ascending), the boards of "selected" mode.
    AutoConfigureDialog(DialogView& view, NetSession& session, DeviceRecord& autoTemplate,
                        AdapterSource adapters, std::vector<int32_t> chosen,
                        BoardListHooks boardList);
    // Waits for an operation this dialog started, so its sinks never outlive it.
    ~AutoConfigureDialog() override;
    AutoConfigureDialog(const AutoConfigureDialog&) = delete;
    AutoConfigureDialog& operator=(const AutoConfigureDialog&) = delete;

    void opened() override;
    void command(int id, int notification, intptr_t value) override;

    // The events of the find phase and of the batch. A find phase never asks about many
    // boards: it goes on.
    bool event(SessionEvent code, int32_t value) override;

private:
    void offerModes();
    void configureAll();
    bool readTemplate();
    std::vector<int32_t> boardsOfPass();
    // finalValue: an operation's final event's, which says how the network did (0 otherwise).
    PassFacts facts(int32_t boards, int32_t finalValue);
    std::vector<std::string> clashesOf(const std::vector<int32_t>& boards);
    // Takes the pass one step: shows what the step says and carries out its action.
    void apply(PassInput input, int32_t finalValue = 0);
    bool startFindPhase();
    bool startBatch(std::vector<int32_t> boards);

    DialogView& view_;
    NetSession& session_;
    DeviceRecord& autoTemplate_;
    AdapterSource adapters_;
    std::vector<int32_t> chosen_;
    BoardListHooks boardList_;
    PassState pass_;
    BatchScope scope_ = BatchScope::FreshFind;
    int32_t firstSequence_ = 0;
    int32_t passBoards_ = 0;       // boards of the batch that runs
    int32_t configured_ = 0;       // boards the running batch has configured
    bool started_ = false;         // an operation of this dialog may still run
};
