#include "ui/configure_dialog.h"

#include <cstring>
#include <string>

#include "ui/check_wiring.h"
#include "ui/clash_question.h"
#include "ui/entry_rules.h"
#include "ui/not_found_question.h"
#include "ui/pass_checks.h"
#include "ui/resource.h"
#include "ui/window_texts.h"

namespace {
constexpr size_t kMaxEntry = 31;

constexpr CheckWiring kConfigureChecks[] = {
    {IDC_CFG_ID_CHECK, {IDC_CFG_ID_EDIT, 0, 0}},
    {IDC_CFG_IP_CHECK, {IDV_IP_ADDRESS, IDV_SUBNET_MASK, 0}},
    {IDC_CFG_GATEWAY_CHECK, {IDV_GATEWAY, 0, 0}},
    {IDC_CFG_DHCP_CHECK, {IDC_CFG_DHCP_YES, IDC_CFG_DHCP_NO, 0}},
};
}  // namespace

ConfigureDialog::ConfigureDialog(DialogView& view, NetSession& session, int32_t boardIndex)
    : view_(view), session_(session), boardIndex_(boardIndex) {}

ConfigureDialog::~ConfigureDialog() {
    if (started_) session_.waitForWorker();
}

void ConfigureDialog::opened() {
    sendRecord_ = DeviceRecord{};
    board_ = session_.devices.at(boardIndex_);

    for (const CheckWiring& wiring : kConfigureChecks) view_.check(wiring.check, true);
    const bool dhcp = board_ != nullptr && board_->dhcp != 0;
    if (board_ != nullptr) {
        view_.setText(IDV_IP_ADDRESS, std::string(board_->ip, fieldLength(board_->ip)));
        view_.setText(IDV_SUBNET_MASK, std::string(board_->subnet, fieldLength(board_->subnet)));
        view_.setText(IDV_GATEWAY, std::string(board_->gateway, fieldLength(board_->gateway)));
        view_.setText(IDC_CFG_ID_EDIT, std::string(board_->id, fieldLength(board_->id)));
    }
    view_.checkRadio(IDC_CFG_DHCP_YES, IDC_CFG_DHCP_NO, dhcp ? IDC_CFG_DHCP_YES : IDC_CFG_DHCP_NO);
    view_.setText(IDC_STATUS, "Ready");
    if (dhcp) {
        view_.enable(IDV_IP_ADDRESS, false);
        view_.enable(IDV_SUBNET_MASK, false);
        view_.enable(IDC_CFG_IP_CHECK, false);
    }
    // No board behind the chosen line: nothing to show and nothing that could be sent.
    if (board_ == nullptr) view_.enable(IDC_CFG_CONFIGURE, false);
}

void ConfigureDialog::command(int id, int /*notification*/, intptr_t /*value*/) {
    switch (id) {
    case IDCANCEL:
        // Closed first, so that a running operation's question finds the dialog gone and the
        // operation ends by itself.
        view_.close(0);
        session_.stop();
        break;
    case IDC_CFG_CONFIGURE:
        configure();
        break;
    case IDC_CFG_DHCP_YES:
    case IDC_CFG_DHCP_NO:
        // Automatic radio buttons: the system has checked the one clicked.
        followDhcpChoice(view_, id == IDC_CFG_DHCP_YES, IDC_CFG_IP_CHECK);
        break;
    default:
        followCheck(view_, kConfigureChecks, id);
        break;
    }
}

bool ConfigureDialog::event(SessionEvent code, int32_t value) {
    switch (code) {
    case EVT_BROADCAST:
        view_.setText(IDC_STATUS, "Broadcast " + std::to_string(value));
        break;
    case EVT_COMPLETE:
        view_.setText(IDC_STATUS, "Configuration complete");
        view_.close(kConfigured);
        break;
    case EVT_CANCELLED:
        operationCancelled(value);
        break;
    default:
        break;
    }
    return true;
}

void ConfigureDialog::configure() {
    if (board_ == nullptr) return;
    view_.enable(IDC_CFG_CONFIGURE, false);
    // A find that the main window stopped may still be closing its socket.
    view_.waitWhile(session_.operationRunning());

    if (view_.isChecked(IDC_CFG_ID_CHECK)) {
        const std::string id = view_.getText(IDC_CFG_ID_EDIT, kMaxEntry);
        if (!CheckIdEntry(id.c_str(), view_)) return refuse();
        sendRecord_.setId(id.c_str());
    } else {
        sendRecord_.setId("");
    }

    if (view_.isChecked(IDC_CFG_DHCP_CHECK)) {
        sendRecord_.dhcpGiven = 1;
        sendRecord_.dhcp = view_.isChecked(IDC_CFG_DHCP_YES) ? 1 : 0;
    } else {
        sendRecord_.dhcpGiven = 0;
    }

    // "IP Address:" is disabled while "Yes" is chosen: a board on DHCP gets no fixed address.
    // With "DHCP:" unchecked the box alone decides.
    const bool sendAddress = view_.isChecked(IDC_CFG_IP_CHECK) &&
                             view_.isEnabled(IDC_CFG_IP_CHECK) &&
                             !(sendRecord_.dhcpGiven && sendRecord_.dhcp);
    if (sendAddress) {
        sendRecord_.setIp(view_.getText(IDV_IP_ADDRESS, kMaxEntry).c_str());
        sendRecord_.setSubnet(view_.getText(IDV_SUBNET_MASK, kMaxEntry).c_str());
    } else {
        sendRecord_.setIp("");
        sendRecord_.setSubnet("");
    }

    sendRecord_.setGateway(view_.isChecked(IDC_CFG_GATEWAY_CHECK)
                               ? view_.getText(IDV_GATEWAY, kMaxEntry).c_str()
                               : "");

    if (sendRecord_.ip[0] != '\0' &&
        !CheckAddressRange(sendRecord_.ip, sendRecord_.subnet, 1, view_)) {
        return refuse();
    }

    std::memcpy(sendRecord_.mac, board_->mac, sizeof sendRecord_.mac);
    std::memcpy(sendRecord_.echoText, board_->echoText, sizeof sendRecord_.echoText);
    std::memcpy(sendRecord_.number16, board_->number16, sizeof sendRecord_.number16);

    // Only a gateway typed here is judged, and only against a known address.
    PassBoard judged{board_, sendRecord_, ""};
    if (!gatewayJudged(*board_, judged.wanted)) judged.wanted.setGateway("");
    if (auto clash = checkPass({judged}, listedBoards(session_.devices), {}, false);
        clash && !sendDespiteClashes(view_, {clash->message}))
        return refuse();

    started_ = true;
    if (!session_.startConfigureOne(forwardEvents(view_), sendRecord_, boardIndex_,
                                    notFoundQuestionFor(view_))) {
        refuse();
    }
}

void ConfigureDialog::refuse() { view_.enable(IDC_CFG_CONFIGURE, true); }

void ConfigureDialog::operationCancelled(int32_t finalValue) {
    view_.setText(IDC_STATUS, "Configuration canceled");
    if (const std::string failure = networkFailureText(finalValue); !failure.empty())
        view_.messageBox(failure, "Error", MessageButtons::Ok);
    view_.enable(IDC_CFG_CONFIGURE, true);
}
