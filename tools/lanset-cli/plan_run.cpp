#include "tools/lanset-cli/plan_run.h"

#include "tools/lanset-cli/lan_check.h"

namespace {

std::string onOff(bool on) { return on ? "on" : "off"; }

// The verifying find has just listed what the boards hold now.
void takeSeen(const NetSession& session, const PlanRow& row, PlanResult& r) {
    r.mismatches.clear();
    r.problem.clear();
    const int32_t index = session.devices.findByMac(row.sn.c_str());
    const DeviceRecord* seen = session.devices.at(index);
    if (!seen) return;
    r.board = *seen;
    r.mismatches = planDifferences(row, *seen);
    // Two answers for one SN: which of them is the board, no find can tell.
    r.problem = otherAnswersProblem(session.devices, index);
}

bool seenAsPlanned(const NetSession& session, const PlanRow& row, const PlanResult& r) {
    return session.devices.findByMac(row.sn.c_str()) >= 0 && r.mismatches.empty() && r.problem.empty();
}

}  // namespace

std::vector<FieldChange> planDifferences(const PlanRow& row, const DeviceRecord& board) {
    std::vector<FieldChange> out;
    auto compare = [&](const char* field, const std::optional<std::string>& planned, const std::string& now) {
        if (planned && *planned != now) out.push_back({field, now, *planned});
    };
    compare("id", row.id, fieldText(board.id));
    compare("ip", row.ip, fieldText(board.ip));
    compare("subnet", row.subnet, fieldText(board.subnet));
    compare("gateway", row.gateway, fieldText(board.gateway));
    if (row.dhcp && *row.dhcp != (board.dhcp != 0)) out.push_back({"dhcp", onOff(board.dhcp), onOff(*row.dhcp)});
    return out;
}

std::vector<PlanResult> assessPlan(const std::vector<PlanRow>& rows, const DeviceList& list, bool dryRun) {
    std::vector<PlanResult> results;
    for (const PlanRow& row : rows) {
        PlanResult r;
        r.line = row.line;
        r.sn = row.sn;
        if (const DeviceRecord* board = list.at(list.findByMac(row.sn.c_str()))) {
            r.board = *board;
            r.changes = planDifferences(row, *board);
            r.status = r.changes.empty() ? PlanStatus::Unchanged
                                         : dryRun ? PlanStatus::WouldChange : PlanStatus::NotReached;
        } else {
            r.status = PlanStatus::Absent;
        }
        results.push_back(r);
    }
    return results;
}

int applyInRounds(CliDriver& driver, const std::vector<PlanRow>& rows,
                  const std::vector<DeviceRecord>& requests, std::vector<PlanResult>& results) {
    std::vector<size_t> pending;
    for (size_t i = 0; i < results.size(); ++i)
        if (results[i].status == PlanStatus::NotReached) pending.push_back(i);
    const int rounds = kPlanRounds + driver.options().retries;
    for (int round = 1; round <= rounds && !pending.empty(); ++round) {
        std::vector<DeviceRecord> sent;
        std::vector<std::string> awaited;
        for (size_t i : pending) {
            sent.push_back(requests[i]);
            awaited.push_back(rows[i].sn);
            results[i].status = PlanStatus::Unverified;
        }
        const std::string boards = std::to_string(sent.size()) + (sent.size() == 1 ? " board" : " boards");
        driver.say("Round " + std::to_string(round) + ": sending " + boards + " their settings");
        int32_t acks = 0;
        if (const int status = driver.round(sent, acks); status != kExitOk) return status;
        driver.say("Round " + std::to_string(round) + ": " + std::to_string(acks) +
                   (acks == 1 ? " acknowledgement" : " acknowledgements") + " heard; verifying");
        if (const int status = driver.verifyingFind(awaited); status != kExitOk) return status;

        std::vector<size_t> again;
        for (size_t i : pending) {
            takeSeen(driver.session(), rows[i], results[i]);
            if (seenAsPlanned(driver.session(), rows[i], results[i])) {
                results[i].status = PlanStatus::Changed;
            } else {
                results[i].status = PlanStatus::NotAsPlanned;
                again.push_back(i);
            }
        }
        if (!again.empty() && round < rounds)
            driver.say(std::to_string(again.size()) + (again.size() == 1 ? " board does" : " boards do") +
                       " not yet hold the plan; sending again");
        pending = std::move(again);
    }
    return kExitOk;
}

int verifyPlan(CliDriver& driver, const std::vector<PlanRow>& rows, std::vector<PlanResult>& results) {
    std::vector<std::string> awaited;
    for (size_t i = 0; i < results.size(); ++i) {
        if (results[i].status != PlanStatus::Changed && results[i].status != PlanStatus::NotAcknowledged) continue;
        awaited.push_back(rows[i].sn);
    }
    if (awaited.empty()) return kExitOk;
    for (size_t i = 0; i < results.size(); ++i)
        if (results[i].status == PlanStatus::Changed) results[i].status = PlanStatus::Unverified;
    if (const int status = driver.verifyingFind(awaited); status != kExitOk) return status;
    for (size_t i = 0; i < results.size(); ++i) {
        PlanResult& r = results[i];
        if (r.status != PlanStatus::Unverified && r.status != PlanStatus::NotAcknowledged) continue;
        takeSeen(driver.session(), rows[i], r);
        if (seenAsPlanned(driver.session(), rows[i], r)) r.status = PlanStatus::Changed;
        else if (r.status == PlanStatus::Unverified) r.status = PlanStatus::NotAsPlanned;
    }
    return kExitOk;
}

bool planHeld(const std::vector<PlanResult>& results) {
    for (const PlanResult& r : results)
        if (!planStatusOk(r.status)) return false;
    return true;
}
