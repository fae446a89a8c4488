#include "ui/auto_configure_dialog.h"

#include <algorithm>
#include <set>
#include <utility>

#include "net/id_pattern.h"
#include "net/ipv4.h"
#include "ui/check_wiring.h"
#include "ui/clash_question.h"
#include "ui/entry_rules.h"
#include "ui/not_found_question.h"
#include "ui/pass_checks.h"
#include "ui/resource.h"
#include "ui/window_texts.h"

namespace {
constexpr size_t kMaxPattern = 31;
constexpr size_t kMaxSequenceText = 15;
constexpr size_t kMaxAddress = 31;

constexpr CheckWiring kAutoChecks[] = {
    {IDC_AUTO_ID_CHECK, {IDC_AUTO_PATTERN, IDC_AUTO_SEQUENCE, IDC_AUTO_SEQUENCE_LABEL}},
    {IDC_AUTO_IP_CHECK, {IDV_IP_ADDRESS, IDV_SUBNET_MASK, 0}},
    {IDC_AUTO_GATEWAY_CHECK, {IDV_GATEWAY, 0, 0}},
    {IDC_AUTO_DHCP_CHECK, {IDC_AUTO_DHCP_YES, IDC_AUTO_DHCP_NO, 0}},
};

}  // namespace

std::string proposedStartAddress(const std::string& ip, const std::string& mask) {
    if (ip == "0.0.0.0") return ip;
    return formatIpv4(inetAddrHost(ip.c_str()) & inetAddrHost(mask.c_str()));
}

AutoConfigureDialog::AutoConfigureDialog(DialogView& view, NetSession& session,
                                         DeviceRecord& autoTemplate, AdapterSource adapters,
                                         std::vector<int32_t> chosen, BoardListHooks boardList)
    : view_(view),
      session_(session),
      autoTemplate_(autoTemplate),
      adapters_(std::move(adapters)),
      chosen_(std::move(chosen)),
      boardList_(std::move(boardList)) {}

AutoConfigureDialog::~AutoConfigureDialog() {
    if (started_) session_.waitForWorker();
}

void AutoConfigureDialog::opened() {
    pass_ = PassState{};

    for (const CheckWiring& wiring : kAutoChecks) view_.check(wiring.check, true);
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

void AutoConfigureDialog::command(int id, int /*notification*/, intptr_t /*value*/) {
    if (followCheck(view_, kAutoChecks, id)) return;
    switch (id) {
    case IDCANCEL:
        apply(PassInput::Cancel);
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
        break;
    }
}

bool AutoConfigureDialog::event(SessionEvent code, int32_t value) {
    switch (code) {
    case EVT_FOUND: {
        std::string text = "Found device ";
        if (const DeviceRecord* board = session_.devices.at(value)) {
            text.append(board->id, fieldLength(board->id));
        }
        view_.setText(IDC_STATUS, text);
        break;
    }
    case EVT_BROADCAST:
    case EVT_CONFIG_BROADCAST:
        view_.setText(IDC_STATUS, "Broadcast " + std::to_string(value));
        break;
    case EVT_COMPLETE:
        if (pass_.phase != PassPhase::Finding) break;
        if (!(value & kEndOpenFailed)) view_.setText(IDC_STATUS, finishedText(session_.devices.count()));
        apply(PassInput::FindEnded, value);
        break;
    case EVT_CONFIGURED:
        ++configured_;
        if (boardList_.configured) boardList_.configured(value);
        view_.setText(IDC_STATUS, "Device " + std::to_string(value) + "Configured");
        break;
    case EVT_BATCH_COMPLETE:
        apply(PassInput::BatchEnded, value);
        break;
    case EVT_BATCH_CANCELLED:
        apply(PassInput::BatchCancelled, value);
        break;
    default:
        break;
    }
    return true;
}

// A mode is offered only with boards behind it: the chosen lines are lines of the main list as
// it stood when the dialog opened, and a find phase replaces the table under them.
void AutoConfigureDialog::offerModes() {
    const bool listed = session_.devices.count() > 0;
    view_.enable(IDC_AUTO_MODE_ALL, listed);
    view_.enable(IDC_AUTO_MODE_SELECTED, listed && !chosen_.empty());
}

void AutoConfigureDialog::configureAll() {
    if (pass_.phase != PassPhase::Ready) return;
    view_.enable(IDC_AUTO_CONFIGURE_ALL, false);
    view_.waitWhile(session_.operationRunning());
    if (!readTemplate()) return apply(PassInput::Refused);
    scope_ = view_.isChecked(IDC_AUTO_MODE_FIND)       ? BatchScope::FreshFind
             : view_.isChecked(IDC_AUTO_MODE_SELECTED) ? BatchScope::Selection
                                                       : BatchScope::AllListed;
    apply(scope_ == BatchScope::FreshFind ? PassInput::FindChosen : PassInput::ListedChosen);
}

// The list indexes the batch takes. A mode no longer offered takes none; chosen lines that name
// no listed board are left out (they stand at the end: the list only grows).
std::vector<int32_t> AutoConfigureDialog::boardsOfPass() {
    const int32_t count = session_.devices.count();
    std::vector<int32_t> boards;
    if (scope_ == BatchScope::Selection) {
        if (!view_.isEnabled(IDC_AUTO_MODE_SELECTED)) return boards;
        for (int32_t line : chosen_) {
            if (session_.devices.at(line) == nullptr) break;
            boards.push_back(line);
        }
        return boards;
    }
    if (scope_ == BatchScope::AllListed && !view_.isEnabled(IDC_AUTO_MODE_ALL)) return boards;
    for (int32_t i = 0; i < count; ++i) boards.push_back(i);
    return boards;
}

PassFacts AutoConfigureDialog::facts(int32_t boards, int32_t finalValue) {
    PassFacts f;
    f.networkFailure = networkFailureText(finalValue);
    f.boards = boards;
    if (autoTemplate_.ip[0] != '\0')
        f.range = checkAddressRangeText(autoTemplate_.ip, autoTemplate_.subnet, f.boards);
    f.configured = configured_;
    return f;
}

void AutoConfigureDialog::apply(PassInput input, int32_t finalValue) {
    // The boards the step is judged on are the ones a batch it starts takes: the list is still
    // once a find phase has ended, and configureAll waits for a running find before the first.
    std::vector<int32_t> boards = boardsOfPass();
    const PassFacts known = facts(static_cast<int32_t>(boards.size()), finalValue);   // the step's texts
    const PassStep step = passStep(pass_, input, known);
    pass_ = step.state;
    // A start comes first: what the step shows holds only once the operation runs. The batch's
    // boards are known by now, also after a find phase: what would clash is asked first.
    if (step.action == PassAction::StartBatch && !sendDespiteClashes(view_, clashesOf(boards)))
        return apply(PassInput::Refused);
    if (step.action == PassAction::StartFind || step.action == PassAction::StartBatch) {
        const bool started =
            step.action == PassAction::StartFind ? startFindPhase() : startBatch(std::move(boards));
        if (!started) return apply(PassInput::Refused);
    }
    if (step.status) view_.setText(IDC_STATUS, step.status);
    if (step.phaseText) view_.setText(IDC_AUTO_PHASE, step.phaseText);
    if (step.message) view_.messageBox(step.message, step.caption, MessageButtons::Ok);
    if (pass_.phase == PassPhase::Ready) offerModes();
    if (pass_.phase == PassPhase::Ready || pass_.phase == PassPhase::Closed)
        view_.enable(IDC_AUTO_CONFIGURE_ALL, true);
    if (step.action == PassAction::Stop) session_.stop();
    if (step.action == PassAction::Close) view_.close(step.completed ? passBoards_ : 0);
}

// What lanset-cli would refuse in this pass: IDs that repeat, and an ID or address that a board
// left out of the pass holds. The pass's own boards may trade addresses among themselves.
std::vector<std::string> AutoConfigureDialog::clashesOf(const std::vector<int32_t>& boards) {
    std::vector<std::string> clashes;
    std::string pattern = fieldText(autoTemplate_.id);
    const auto count = static_cast<int32_t>(boards.size());
    if (!pattern.empty())
        if (std::string fault = patternFault(pattern, firstSequence_, count); !fault.empty()) {
            clashes.push_back(std::move(fault));
            pattern.clear();   // said: the IDs need not be said again board by board
        }
    std::vector<PassBoard> pass;
    std::set<const DeviceRecord*> inPass;
    const uint32_t start = inetAddrHost(autoTemplate_.ip);
    for (int32_t p = 0; p < count; ++p) {
        const DeviceRecord* board = session_.devices.at(boards[static_cast<size_t>(p)]);
        if (board == nullptr) continue;
        // As the batch fills each board's request.
        PassBoard b{board, DeviceRecord{}, ""};
        if (!pattern.empty()) b.wanted.setId(expandIdPattern(pattern, firstSequence_ + p, board->mac).c_str());
        if (autoTemplate_.ip[0] != '\0') b.wanted.setIp(formatIpv4(start + static_cast<uint32_t>(p)).c_str());
        b.wanted.setSubnet(autoTemplate_.subnet);
        b.wanted.dhcpGiven = autoTemplate_.dhcpGiven;
        b.wanted.dhcp = autoTemplate_.dhcp;
        if (gatewayJudged(*board, b.wanted)) b.wanted.setGateway(autoTemplate_.gateway);
        pass.push_back(b);
        inPass.insert(board);
    }
    std::vector<const DeviceRecord*> others;
    for (const DeviceRecord* board : listedBoards(session_.devices))
        if (!inPass.count(board)) others.push_back(board);
    if (auto clash = checkPass(pass, others, {}, false)) clashes.push_back(clash->message);
    return clashes;
}

bool AutoConfigureDialog::readTemplate() {
    if (view_.isChecked(IDC_AUTO_ID_CHECK)) {
        const std::string pattern = view_.getText(IDC_AUTO_PATTERN, kMaxPattern);
        if (!CheckIdEntry(pattern.c_str(), view_)) return false;
        autoTemplate_.setId(pattern.c_str());
        const bool hasHash = pattern.find('#') != std::string::npos;
        const RuleVerdict sequence =
            checkSequenceText(view_.getText(IDC_AUTO_SEQUENCE, kMaxSequenceText), hasHash, firstSequence_);
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
    return session_.startFreshFind(forwardEvents(view_), [this] {
        if (boardList_.empty) boardList_.empty();
        // The main list's chosen lines are gone with the table.
        chosen_.clear();
        offerModes();
    });
}

bool AutoConfigureDialog::startBatch(std::vector<int32_t> boards) {
    view_.waitWhile(session_.operationRunning());
    passBoards_ = static_cast<int32_t>(boards.size());
    configured_ = 0;
    started_ = true;
    return session_.startConfigureBatch(forwardEvents(view_), autoTemplate_, firstSequence_,
                                        std::move(boards), notFoundQuestionFor(view_));
}
