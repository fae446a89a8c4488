// lanset-cli apply: a plan checked whole, the boards given only what differs (all at once, in
// rounds, or one by one), then verified by a find.
#include <algorithm>

#include "ui/board_text.h"
#include "tools/lanset-cli/commands.h"
#include "tools/lanset-cli/plan_run.h"

namespace {

// What the row asks of its board; an empty text keeps the board's value.
DeviceRecord wantedOf(const PlanRow& row) {
    DeviceRecord w;
    copyText(w.mac, row.sn.c_str());
    if (row.id) w.setId(row.id->c_str());
    if (row.ip) w.setIp(row.ip->c_str());
    if (row.subnet) w.setSubnet(row.subnet->c_str());
    if (row.gateway) w.setGateway(row.gateway->c_str());
    w.dhcpGiven = row.dhcp.has_value() ? 1 : 0;
    w.dhcp = row.dhcp.value_or(false) ? 1 : 0;
    return w;
}

bool changes(const std::vector<FieldChange>& c, const char* field) {
    return std::any_of(c.begin(), c.end(), [&](const FieldChange& f) { return f.field == field; });
}

// The request that brings board to its row: only what differs, the address and mask together
// (as the address-range rule judged them).
DeviceRecord requestFor(const PlanRow& row, const DeviceRecord& board, const std::vector<FieldChange>& diff) {
    DeviceRecord record;
    copyText(record.mac, board.mac);
    copyText(record.echoText, board.echoText);
    copyText(record.number16, board.number16);
    record.dhcpGiven = 0;
    for (const FieldChange& c : diff) {
        if (c.field == "id") record.setId(c.after.c_str());
        if (c.field == "gateway") record.setGateway(c.after.c_str());
        if (c.field == "dhcp") {
            record.dhcpGiven = 1;
            record.dhcp = c.after == "on" ? 1 : 0;
        }
    }
    if (changes(diff, "ip") || changes(diff, "subnet")) {
        record.setIp(row.ip.value_or(fieldText(board.ip)).c_str());
        record.setSubnet(row.subnet.value_or(fieldText(board.subnet)).c_str());
    }
    return record;
}

void sayPlanSummary(CliDriver& d, const std::vector<PlanResult>& results) {
    std::vector<int> counts;
    for (const PlanResult& r : results) {
        const auto s = static_cast<size_t>(r.status);
        if (counts.size() <= s) counts.resize(s + 1, 0);
        ++counts[s];
    }
    std::string summary;
    for (size_t s = 0; s < counts.size(); ++s)
        if (counts[s]) summary += (summary.empty() ? "" : ", ") + std::to_string(counts[s]) + " " +
                                  planStatusText(static_cast<PlanStatus>(s));
    d.say("Plan of " + std::to_string(results.size()) + (results.size() == 1 ? " board: " : " boards: ") +
              (summary.empty() ? "nothing" : summary) + (d.options().dryRun ? " (dry run: nothing sent)" : ""),
          planHeld(results) ? Verbosity::Normal : Verbosity::Quiet);
}

}  // namespace

int cmdApply(CliDriver& d) {
    const CliOptions& o = d.options();
    const PlanRead plan = readPlan(o.planPath);
    for (const std::string& note : plan.notes) d.say("lanset-cli: " + note);
    if (plan.refusal) return d.refuse(*plan.refusal);

    if (const int status = d.find(); status != kExitOk) {
        if (status == kExitInterrupted) d.say("lanset-cli: interrupted during the search; nothing was sent", Verbosity::Quiet);
        return status;
    }
    NetSession& session = d.session();
    if (auto refused = refusedIdCells(plan.rows, session.devices)) return d.refuse(*refused);
    std::vector<PlanResult> results = assessPlan(plan.rows, session.devices, o.dryRun);
    std::vector<DeviceRecord> requests(plan.rows.size());
    // The whole plan is checked as the pass after it: a row of a board that answered by what it
    // changes (what it keeps is never judged: a saved list applies back as it is), a row of one
    // that did not by all it gives, so that the plan holds no ID or address twice.
    std::vector<PassBoard> pass;
    std::vector<DeviceRecord> absent(plan.rows.size());
    std::vector<const DeviceRecord*> listed = d.listed();
    for (size_t i = 0; i < plan.rows.size(); ++i) {
        const PlanRow& row = plan.rows[i];
        const DeviceRecord* board = session.devices.at(session.devices.findByMac(row.sn.c_str()));
        if (!board) {
            copyText(absent[i].mac, row.sn.c_str());
            DeviceRecord wanted = wantedOf(row);
            wanted.gateway[0] = '\0';   // judged against the board's addressing, which is not known
            pass.push_back(PassBoard{&absent[i], wanted, "line " + std::to_string(row.line)});
            listed.push_back(&absent[i]);
            continue;
        }
        const std::vector<FieldChange>& diff = results[i].changes;
        const bool addressChanges = changes(diff, "ip") || changes(diff, "subnet");
        if (addressChanges && row.dhcp.value_or(board->dhcp != 0))
            return d.refuse(atLine(row.line, "dhcp is on: the board's address and mask come from the DHCP "
                                             "server; leave ip and subnet empty or as found, or set dhcp off"));
        if (addressChanges)
            if (auto range = checkRange(row.ip.value_or(fieldText(board->ip)), row.subnet.value_or(fieldText(board->subnet)), 1)) {
                Refusal lined = atLine(row.line, range->caption + ": " + range->message);
                lined.reason = "line " + std::to_string(row.line) + ": " + range->reason;
                return d.refuse(lined);
            }
        requests[i] = requestFor(row, *board, diff);
        DeviceRecord wanted = wantedOf(row);
        if (!changes(diff, "id")) wanted.id[0] = '\0';
        if (!addressChanges) wanted.ip[0] = wanted.subnet[0] = '\0';
        if (!addressChanges && !changes(diff, "gateway")) wanted.gateway[0] = '\0';
        pass.push_back(PassBoard{board, wanted, "line " + std::to_string(row.line)});
    }
    std::vector<const DeviceRecord*> passed;
    for (size_t i = 0; i < pass.size(); ++i)
        if (session.devices.findByMac(pass[i].found->mac) >= 0) passed.push_back(pass[i].found);
    if (auto refused = d.refusedTwins(passed)) return *refused;
    if (auto refused = d.refusedPass(pass, listed)) return *refused;

    int status = kExitOk;
    if (o.dryRun) {
        // nothing is sent
    } else if (!o.oneByOne) {
        status = applyInRounds(d, plan.rows, requests, results);
    } else {
        for (size_t i = 0; i < results.size() && status == kExitOk; ++i) {
            PlanResult& r = results[i];
            if (r.status != PlanStatus::NotReached) continue;
            if (d.interrupted()) {
                status = kExitInterrupted;
                break;
            }
            std::string said;
            for (const FieldChange& c : r.changes) said += " " + c.field + " " + printableText(c.after);
            d.say("line " + std::to_string(r.line) + ": SN " + r.sn + " ->" + said);
            const CliDriver::OneResult one = d.configureOne(session.devices.findByMac(r.sn.c_str()), requests[i]);
            if (one.status != kExitOk && one.status != kExitInterrupted) {
                status = one.status;
                break;
            }
            r.status = one.acknowledged ? PlanStatus::Changed : PlanStatus::NotAcknowledged;
            if (one.status == kExitInterrupted) {
                r.status = one.acknowledged ? PlanStatus::Unverified : PlanStatus::Interrupted;
                status = kExitInterrupted;
            }
        }
        if (status == kExitOk) {
            status = verifyPlan(d, plan.rows, results);
        } else {
            // Stopped or cut off: what was acknowledged, no find has verified.
            for (PlanResult& r : results)
                if (r.status == PlanStatus::Changed) r.status = PlanStatus::Unverified;
        }
    }
    d.out() << formatPlanReport(results, o.format) << std::flush;
    sayPlanSummary(d, results);
    if (status != kExitOk) return status;
    return planHeld(results) ? kExitOk : kExitFailed;
}
