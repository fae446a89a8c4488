#include "ui/auto_configure_dialog.h"

#include <algorithm>
#include <utility>

#include "net/ipv4.h"
#include "ui/check_wiring.h"
#include "ui/entry_rules.h"
#include "ui/not_found_question.h"
#include "ui/resource.h"
#include "ui/window_texts.h"

namespace {
constexpr size_t kMaxPattern = 31;
constexpr size_t kMaxSequence = 15;
constexpr size_t kMaxAddress = 31;

constexpr CheckWiring kChecks[] = {
    {IDC_AUTO_ID_CHECK, {IDC_AUTO_PATTERN, IDC_AUTO_SEQUENCE, IDC_AUTO_SEQUENCE_LABEL}},
    {IDC_AUTO_IP_CHECK, {IDV_IP_ADDRESS, IDV_SUBNET_MASK, 0}},
    {IDC_AUTO_GATEWAY_CHECK, {IDV_GATEWAY, 0, 0}},
    {IDC_AUTO_DHCP_CHECK, {IDC_AUTO_DHCP_YES, IDC_AUTO_DHCP_NO, 0}},
};

// Entries of the main list's selection that name a listed board (ascending, so any others
// stand at the end and the batch never reaches them).
int32_t listedSelection(const NetSession& session) {
    const int32_t count = std::clamp<int32_t>(session.selectionCount, 0, NetSession::kMaxSelection);
    int32_t listed = 0;
    while (listed < count && session.devices.at(session.selection[listed]) != nullptr) ++listed;
    return listed;
}

}  // namespace

std::string proposedStartAddress(const std::string& ip, const std::string& mask) {
    if (ip == "0.0.0.0") return ip;
    return formatIpv4(inetAddrHost(ip.c_str()) & inetAddrHost(mask.c_str()));
}

AutoConfigureDialog::AutoConfigureDialog(DialogView& view, NetSession& session,
                                         DeviceRecord& autoTemplate, AdapterSource adapters,
                                         BoardListHooks boardList)
    : view_(view),
      session_(session),
      autoTemplate_(autoTemplate),
      adapters_(std::move(adapters)),
      boardList_(std::move(boardList)) {}

AutoConfigureDialog::~AutoConfigureDialog() {
    if (started_) session_.waitForWorker();
}

void AutoConfigureDialog::opened() {
    phase_ = Phase::Ready;
    cancelAsked_ = false;

    for (const CheckWiring& wiring : kChecks) view_.check(wiring.check, true);
    view_.checkRadio(IDC_AUTO_DHCP_YES, IDC_AUTO_DHCP_NO, IDC_AUTO_DHCP_NO);

    offerModes();
    const int mode = !view_.isEnabled(IDC_AUTO_MODE_ALL)        ? IDC_AUTO_MODE_FIND
                     : !view_.isEnabled(IDC_AUTO_MODE_SELECTED) ? IDC_AUTO_MODE_ALL
                                                                : IDC_AUTO_MODE_SELECTED;
    view_.checkRadio(IDC_AUTO_MODE_SELECTED, IDC_AUTO_MODE_FIND, mode);

    if (adapters_) {
        if (std::optional<AdapterAddresses> adapter = adapters_()) {
            view_.setText(IDV_IP_ADDRESS, proposedStartAddress(adapter->ip, adapter->mask));
            view_.setText(IDV_SUBNET_MASK, adapter->mask);
            view_.setText(IDV_GATEWAY, adapter->gateway);
        }
    }

    view_.setText(IDC_AUTO_PATTERN, "Vorn");
    view_.setText(IDC_AUTO_SEQUENCE, "1");
    view_.setText(IDC_AUTO_PHASE, "Ready");
}

void AutoConfigureDialog::command(int id, int /*notification*/, intptr_t value) {
    if (followCheck(view_, kChecks, id)) return;
    switch (id) {
    case IDCANCEL:
        cancel();
        break;
    case IDC_AUTO_CONFIGURE_ALL:
        configureAll();
        break;
    case IDC_AUTO_DHCP_YES:
    case IDC_AUTO_DHCP_NO:
        // Plain radio buttons: the dialog checks the one clicked itself.
        followDhcpChoice(view_, id == IDC_AUTO_DHCP_YES, IDC_AUTO_IP_CHECK);
        view_.checkRadio(IDC_AUTO_DHCP_YES, IDC_AUTO_DHCP_NO, id);
        break;
    case IDC_AUTO_MODE_SELECTED:
    case IDC_AUTO_MODE_ALL:
    case IDC_AUTO_MODE_FIND:
        view_.checkRadio(IDC_AUTO_MODE_SELECTED, IDC_AUTO_MODE_FIND, id);
        break;
    default:
        event(id, value);
        break;
    }
}

// What the sinks forward of the operations, on the window thread.
void AutoConfigureDialog::event(int code, intptr_t value) {
    switch (code) {
    case EVT_FOUND: {
        std::string text = "Found device ";
        if (const DeviceRecord* board = session_.devices.at(static_cast<int32_t>(value))) {
            text.append(board->id, fieldLength(board->id));
        }
        view_.setText(IDC_STATUS, text);
        break;
    }
    case EVT_BROADCAST:
        view_.setText(IDC_STATUS, "Broadcast " + std::to_string(value));
        break;
    case EVT_COMPLETE:
        findPhaseEnded();
        break;
    case EVT_CONFIGURED:
        ++configured_;
        if (boardList_.configured) boardList_.configured(static_cast<int32_t>(value));
        view_.setText(IDC_STATUS, "Device " + std::to_string(value) + "Configured");
        break;
    case EVT_BATCH_COMPLETE:
        batchEnded();
        break;
    case EVT_BATCH_CANCELLED:
        endPass(0);
        break;
    default:
        break;
    }
}

bool AutoConfigureDialog::autoFindSink(int32_t code, int32_t value) {
    if (code == EVT_FOUND || code == EVT_BROADCAST || code == EVT_COMPLETE) {
        view_.sendCommand(code, value);
    }
    return true;
}

bool AutoConfigureDialog::autoBatchSink(int32_t code, int32_t value) {
    switch (code) {
    case EVT_CONFIG_BROADCAST:
        view_.sendCommand(EVT_BROADCAST, value);
        break;
    case EVT_CONFIGURED:
    case EVT_BATCH_COMPLETE:
    case EVT_BATCH_CANCELLED:
        view_.sendCommand(code, value);
        break;
    default:
        break;
    }
    return true;
}

// A mode is offered only with boards behind it: the selection names lines of the main list
// as they stood when the dialog opened, and a find phase replaces the table under them.
void AutoConfigureDialog::offerModes() {
    const bool listed = session_.devices.count() > 0;
    view_.enable(IDC_AUTO_MODE_ALL, listed);
    view_.enable(IDC_AUTO_MODE_SELECTED, listed && session_.selectionCount > 0);
}

void AutoConfigureDialog::configureAll() {
    phase_ = Phase::Checking;
    view_.enable(IDC_AUTO_CONFIGURE_ALL, false);
    view_.waitWhile(session_.operationActive);
    if (!readTemplate()) return backToReady();
    scope_ = view_.isChecked(IDC_AUTO_MODE_FIND)       ? BatchScope::FreshFind
             : view_.isChecked(IDC_AUTO_MODE_SELECTED) ? BatchScope::Selection
                                                       : BatchScope::AllListed;
    const bool started = scope_ == BatchScope::FreshFind ? startFindPhase() : startPass();
    if (!started) backToReady();
}

// The boards the pass would take. A mode no longer offered takes none.
int32_t AutoConfigureDialog::boardsOfPass() {
    switch (scope_) {
    case BatchScope::Selection:
        return view_.isEnabled(IDC_AUTO_MODE_SELECTED) ? listedSelection(session_) : 0;
    case BatchScope::AllListed:
        return view_.isEnabled(IDC_AUTO_MODE_ALL) ? session_.devices.count() : 0;
    case BatchScope::FreshFind:
        break;
    }
    return session_.devices.count();
}

bool AutoConfigureDialog::readTemplate() {
    if (view_.isChecked(IDC_AUTO_ID_CHECK)) {
        const std::string pattern = view_.getText(IDC_AUTO_PATTERN, kMaxPattern);
        if (!CheckIdEntry(pattern.c_str(), view_)) return false;
        autoTemplate_.setId(pattern.c_str());
        const bool hasHash = pattern.find('#') != std::string::npos;
        const RuleVerdict sequence =
            checkSequenceText(view_.getText(IDC_AUTO_SEQUENCE, kMaxSequence), hasHash, firstSequence_);
        if (!sequence.ok) {
            view_.messageBox(sequence.message, sequence.caption, MessageButtons::Ok);
            return false;
        }
    } else {
        autoTemplate_.setId("");
        firstSequence_ = 0;
    }

    if (view_.isChecked(IDC_AUTO_IP_CHECK) && view_.isEnabled(IDC_AUTO_IP_CHECK)) {
        autoTemplate_.setIp(view_.getText(IDV_IP_ADDRESS, kMaxAddress).c_str());
        autoTemplate_.setSubnet(view_.getText(IDV_SUBNET_MASK, kMaxAddress).c_str());
    } else {
        autoTemplate_.setIp("");
        autoTemplate_.setSubnet("");
    }

    autoTemplate_.setGateway(view_.isChecked(IDC_AUTO_GATEWAY_CHECK)
                                 ? view_.getText(IDV_GATEWAY, kMaxAddress).c_str()
                                 : "");

    if (view_.isChecked(IDC_AUTO_DHCP_CHECK)) {
        autoTemplate_.dhcp = view_.isChecked(IDC_AUTO_DHCP_YES) ? 1 : 0;
        autoTemplate_.dhcpGiven = 1;
    } else {
        autoTemplate_.dhcpGiven = 0;
    }
    return true;
}

bool AutoConfigureDialog::startFindPhase() {
    started_ = true;
    const bool found = session_.startFreshFind(
        [this](int32_t code, int32_t value) { return autoFindSink(code, value); }, [this] {
            if (boardList_.empty) boardList_.empty();
            // The main list's selected lines are gone with the table.
            session_.selectionCount = 0;
            offerModes();
        });
    if (!found) return false;
    view_.setText(IDC_AUTO_PHASE, "Discovering...");
    phase_ = Phase::Finding;
    return true;
}

bool AutoConfigureDialog::startPass() {
    view_.waitWhile(session_.operationActive);
    const int32_t boards = boardsOfPass();
    if (boards <= 0) {
        view_.setText(IDC_AUTO_PHASE, "Done.");
        view_.messageBox(kNoBoardsText, "Alert", MessageButtons::Ok);
        backToReady();
        return true;
    }
    if (autoTemplate_.ip[0] != '\0' &&
        !CheckAddressRange(autoTemplate_.ip, autoTemplate_.subnet, boards, view_)) {
        return false;
    }
    view_.setText(IDC_AUTO_PHASE, "Configuring...");
    phase_ = Phase::Configuring;
    started_ = true;
    configured_ = 0;
    return session_.startConfigureBatch(
        [this](int32_t code, int32_t value) { return autoBatchSink(code, value); }, autoTemplate_,
        firstSequence_, scope_, notFoundQuestionFor(view_));
}

void AutoConfigureDialog::findPhaseEnded() {
    if (!session_.openFailed) view_.setText(IDC_STATUS, finishedText(session_.devices.count()));
    if (cancelAsked_) return view_.close(0);
    if (networkFailureText(session_)) return endPass(0);
    if (!startPass()) backToReady();
}

void AutoConfigureDialog::batchEnded() {
    if (networkFailureText(session_)) return endPass(0);
    if (configured_ == 0) {
        // Every board was skipped: nothing to report as done.
        if (cancelAsked_) return endPass(0);
        view_.setText(IDC_AUTO_PHASE, "Done.");
        view_.setText(IDC_STATUS, "No device configured");
        return backToReady();
    }
    view_.setText(IDC_STATUS, "Auto Configuration complete");
    view_.enable(IDC_AUTO_CONFIGURE_ALL, true);
    view_.close(EVT_BATCH_COMPLETE);
}

// A pass (or its find phase) ended without completing.
void AutoConfigureDialog::endPass(int result) {
    const char* failure = networkFailureText(session_);
    if (failure && !cancelAsked_) {
        // Nothing reached a board: say why and stay open with the entries as typed.
        view_.messageBox(failure, "Error", MessageButtons::Ok);
        view_.setText(IDC_AUTO_PHASE, "Ready");
        return backToReady();
    }
    view_.setText(IDC_STATUS, "Canceling...");
    view_.enable(IDC_AUTO_CONFIGURE_ALL, true);
    view_.close(result);
}

void AutoConfigureDialog::backToReady() {
    phase_ = Phase::Ready;
    offerModes();
    view_.enable(IDC_AUTO_CONFIGURE_ALL, true);
}

void AutoConfigureDialog::cancel() {
    if (phase_ == Phase::Ready) return view_.close(0);
    session_.stop();
    cancelAsked_ = true;
    view_.setText(IDC_STATUS, "Auto Configuration canceled");
}
