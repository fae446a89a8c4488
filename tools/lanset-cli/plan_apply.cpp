// lanset-cli apply: a plan checked whole, the boards given only what differs, then verified.
#include <algorithm>

#include "tools/lanset-cli/board_text.h"
#include "tools/lanset-cli/cli_runner.h"
#include "tools/lanset-cli/plan_file.h"
#include "tools/lanset-cli/plan_report.h"

namespace {


std::string onOff(bool on) { return on ? "on" : "off"; }

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

// The planned values that board does not hold: before as the board has it, after as planned.
std::vector<FieldChange> differences(const PlanRow& row, const DeviceRecord& board) {
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

bool changes(const std::vector<FieldChange>& c, const char* field) {
    for (const FieldChange& f : c)
        if (f.field == field) return true;
    return false;
}


}  // namespace

int CliRunner::runApply() {
    std::string bytes, why;
    if (!readPlanFile(options_.planPath, bytes, why))
        return refuse(Refusal{"", "cannot read the plan " + options_.planPath + ": " + why, ""});
    const PlanRead plan = parsePlan(bytes);
    if (plan.refusal) return refuse(*plan.refusal);

    // The plan on its own first, by the same checks as the pass after the search: an ID or an
    // address given twice, or an address of this host. Gateways wait for the boards: a row that
    // leaves a board's addressing as it is never has its gateway judged.
    {
        std::vector<DeviceRecord> keys(plan.rows.size());
        std::vector<PassBoard> rows;
        std::vector<const DeviceRecord*> all;
        for (size_t i = 0; i < plan.rows.size(); ++i) {
            copyText(keys[i].mac, plan.rows[i].sn.c_str());
            all.push_back(&keys[i]);
        }
        for (size_t i = 0; i < plan.rows.size(); ++i) {
            DeviceRecord wanted = wantedOf(plan.rows[i]);
            wanted.gateway[0] = '\0';
            rows.push_back(PassBoard{&keys[i], wanted, "line " + std::to_string(plan.rows[i].line)});
        }
        if (auto refused = refusedPass(rows, all)) return *refused;
    }

    if (const int status = find(); status != kExitOk) {
        if (status == kExitInterrupted) say("lanset-cli: interrupted during the search; nothing was sent", Verbosity::Quiet);
        return status;
    }
    std::vector<PlanResult> results;
    std::vector<PassBoard> pass;
    for (const PlanRow& row : plan.rows) {
        PlanResult r;
        r.line = row.line;
        r.sn = row.sn;
        const DeviceRecord* board = session_.devices.at(session_.devices.findByMac(row.sn.c_str()));
        if (!board) {
            r.status = PlanStatus::Absent;
            results.push_back(r);
            continue;
        }
        r.board = *board;
        r.changes = differences(row, *board);
        const bool addressChanges = changes(r.changes, "ip") || changes(r.changes, "subnet");
        if (addressChanges && row.dhcp.value_or(board->dhcp != 0))
            return refuse(atLine(row.line, "dhcp is on: the board's address and mask come from the DHCP "
                                           "server; leave ip and subnet empty or as found, or set dhcp off"));
        if (addressChanges)
            if (auto range = checkRange(row.ip.value_or(fieldText(board->ip)), row.subnet.value_or(fieldText(board->subnet)), 1)) {
                Refusal lined = atLine(row.line, range->caption + ": " + range->message);
                lined.reason = "line " + std::to_string(row.line) + ": " + range->reason;
                return refuse(lined);
            }
        r.status = r.changes.empty() ? PlanStatus::Unchanged
                                     : options_.dryRun ? PlanStatus::WouldChange : PlanStatus::NotReached;
        DeviceRecord wanted = wantedOf(row);
        if (!addressChanges && !changes(r.changes, "gateway")) wanted.gateway[0] = '\0';
        pass.push_back(PassBoard{board, wanted, "line " + std::to_string(row.line)});
        results.push_back(r);
    }
    if (auto refused = refusedPass(pass)) return *refused;

    bool stopped = false;
    for (PlanResult& r : results) {
        if (options_.dryRun || r.status != PlanStatus::NotReached) continue;
        if (interrupted_) {
            stopped = true;
            break;
        }
        const int32_t index = session_.devices.findByMac(r.sn.c_str());
        const DeviceRecord& board = *session_.devices.at(index);
        DeviceRecord record;
        copyText(record.mac, board.mac);
        copyText(record.echoText, board.echoText);
        copyText(record.number16, board.number16);
        record.dhcpGiven = 0;
        std::string said;
        for (const FieldChange& c : r.changes) said += " " + c.field + " " + utf8FromLatin1(c.after);
        say("line " + std::to_string(r.line) + ": SN " + r.sn + " ->" + said);
        for (const FieldChange& c : r.changes) {
            if (c.field == "id") record.setId(c.after.c_str());
            if (c.field == "gateway") record.setGateway(c.after.c_str());
            if (c.field == "dhcp") {
                record.dhcpGiven = 1;
                record.dhcp = c.after == "on" ? 1 : 0;
            }
        }
        // Address and mask go together, as the address-range rule judged them.
        if (changes(r.changes, "ip") || changes(r.changes, "subnet")) {
            const PlanRow& row = *std::find_if(plan.rows.begin(), plan.rows.end(),
                                               [&](const PlanRow& p) { return p.line == r.line; });
            record.setIp(row.ip.value_or(fieldText(board.ip)).c_str());
            record.setSubnet(row.subnet.value_or(fieldText(board.subnet)).c_str());
        }
        const OneResult one = configureOne(index, record);
        if (one.status != kExitOk && one.status != kExitInterrupted) {
            out_ << formatPlanReport(results, options_.format) << std::flush;
            return one.status;
        }
        r.status = one.acknowledged ? PlanStatus::Changed : PlanStatus::NotAcknowledged;
        if (const DeviceRecord* now = session_.devices.at(index)) r.board = *now;
        if (one.status == kExitInterrupted) {
            stopped = true;
            break;
        }
    }

    // The boards that took their settings must now report them.
    bool verify = !stopped;
    bool anyChanged = false;
    for (const PlanResult& r : results) anyChanged = anyChanged || r.status == PlanStatus::Changed;
    if (verify && anyChanged) {
        const int status = find();
        if (status == kExitInterrupted) stopped = true;
        else if (status != kExitOk) verify = false;
    }
    if (!stopped && verify && anyChanged)
        for (PlanResult& r : results) {
            if (r.status != PlanStatus::Changed) continue;
            const DeviceRecord* seen = session_.devices.at(session_.devices.findByMac(r.sn.c_str()));
            const PlanRow& row = *std::find_if(plan.rows.begin(), plan.rows.end(),
                                               [&](const PlanRow& p) { return p.line == r.line; });
            if (seen) {
                r.board = *seen;
                for (const FieldChange& c : differences(row, *seen)) r.mismatches.push_back(c);
            }
            if (!seen || !r.mismatches.empty()) r.status = PlanStatus::NotAsPlanned;
        }

    out_ << formatPlanReport(results, options_.format) << std::flush;
    int counts[7] = {};
    for (const PlanResult& r : results) ++counts[static_cast<int>(r.status)];
    std::string summary;
    for (int s = 0; s < 7; ++s)
        if (counts[s]) summary += (summary.empty() ? "" : ", ") + std::to_string(counts[s]) + " " +
                                  planStatusText(static_cast<PlanStatus>(s));
    bool allOk = true;
    for (const PlanResult& r : results) allOk = allOk && planStatusOk(r.status);
    say("Plan of " + std::to_string(results.size()) + (results.size() == 1 ? " board: " : " boards: ") +
            (summary.empty() ? "nothing" : summary) + (options_.dryRun ? " (dry run: nothing sent)" : ""),
        allOk ? Verbosity::Normal : Verbosity::Quiet);
    if (stopped) return kExitInterrupted;
    return allOk ? kExitOk : kExitFailed;
}
