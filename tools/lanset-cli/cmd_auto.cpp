// lanset-cli auto: a pass numbered and addressed as the auto-configure window numbers it, over
// every board found or the boards named; sent as a plan in rounds, or one by one as the window
// sends it; then verified by a find.
#include <algorithm>
#include <cstring>

#include "net/id_pattern.h"
#include "net/ipv4.h"
#include "ui/board_text.h"
#include "tools/lanset-cli/commands.h"
#include "tools/lanset-cli/plan_run.h"
#include "ui/window_texts.h"

namespace {

std::string snList(const std::vector<std::string>& sns) {
    std::string out;
    for (const std::string& sn : sns) out += (out.empty() ? "" : " ") + sn;
    return out;
}

// The boards of the pass by list index, in the order they are numbered.
std::optional<int> passBoards(CliDriver& d, const CliOptions& o, std::vector<int32_t>& indexes) {
    const DeviceList& list = d.session().devices;
    indexes.clear();
    if (o.sns.empty()) {
        for (int32_t i = 0; i < list.count(); ++i) indexes.push_back(i);
    } else {
        for (const std::string& sn : o.sns) {
            const int32_t i = list.findByMac(sn.c_str());
            if (i < 0) {
                d.say("lanset-cli: no board with SN " + sn + " answered the search", Verbosity::Quiet);
                return kExitFailed;
            }
            indexes.push_back(i);
        }
        std::sort(indexes.begin(), indexes.end());   // list order: the order they answered
    }
    if (o.order == BoardOrder::Sn)
        std::sort(indexes.begin(), indexes.end(), [&](int32_t a, int32_t b) {
            return std::strncmp(list.at(a)->mac, list.at(b)->mac, sizeof list.at(a)->mac) < 0;
        });
    return std::nullopt;
}

// A pattern that would give boards one ID is a clash: said with any other, as one refusal.
std::optional<int> refusedNumbers(CliDriver& d, const CliOptions& o, int32_t firstSequence, int32_t boards,
                                  const std::vector<PassBoard>& pass) {
    if (!o.pattern) return std::nullopt;
    const std::string need = patternFault(*o.pattern, firstSequence, boards);
    if (need.empty()) return std::nullopt;
    auto clash = checkPass(pass, d.listed(), {});
    return d.refuseClash(Refusal{"", (clash ? clash->message + "; " : std::string()) + need, "", true});
}

// The row that says what the pass gives a board: the settings given, as derived for it.
PlanRow rowOf(const CliOptions& o, const DeviceRecord& w, int line) {
    PlanRow row;
    row.line = line;
    row.sn = fieldText(w.mac);
    if (o.pattern) row.id = fieldText(w.id);
    if (o.ip) {
        row.ip = fieldText(w.ip);
        row.subnet = fieldText(w.subnet);
    }
    if (o.gateway) row.gateway = *o.gateway;
    row.dhcp = o.dhcp;
    return row;
}

// Board after board, as the window's batch goes, each row then Changed (acknowledged),
// NotAcknowledged, or NotReached; Interrupted for the one a stop came during, and what it
// acknowledged before, Unverified.
int oneByOne(CliDriver& d, const CliOptions& o, int32_t firstSequence, BatchProgress& batch,
             std::vector<PlanResult>& results) {
    batch.outcomes.assign(batch.indexes.size(), Outcome::Pending);
    const int status = d.runBatches(batch, batchTemplate(o), firstSequence);
    for (size_t p = 0; p < results.size(); ++p) {
        PlanResult& r = results[p];
        if (batch.outcomes[p] == Outcome::Configured) r.status = PlanStatus::Changed;
        else if (batch.outcomes[p] == Outcome::NotAcknowledged) r.status = PlanStatus::NotAcknowledged;
        else if (static_cast<int32_t>(p) == batch.announced && d.interrupted()) r.status = PlanStatus::Interrupted;
        else r.status = PlanStatus::NotReached;
    }
    // Stopped: what was acknowledged, no find has verified.
    if (status != kExitOk)
        for (PlanResult& r : results)
            if (r.status == PlanStatus::Changed) r.status = PlanStatus::Unverified;
    return status;
}

void saySummary(CliDriver& d, const std::vector<PlanResult>& results) {
    std::vector<std::string> held, off, silent, unverified, stopped, unreached;
    for (const PlanResult& r : results) {
        switch (r.status) {
        case PlanStatus::Unchanged:
        case PlanStatus::Changed: held.push_back(r.sn); break;
        case PlanStatus::NotAsPlanned: off.push_back(r.sn); break;
        case PlanStatus::NotAcknowledged: silent.push_back(r.sn); break;
        case PlanStatus::Unverified: unverified.push_back(r.sn); break;
        case PlanStatus::Interrupted: stopped.push_back(r.sn); break;
        default: unreached.push_back(r.sn); break;
        }
    }
    const bool whole = held.size() == results.size();
    d.say("Configured " + std::to_string(held.size()) + " of " + std::to_string(results.size()) +
              (results.size() == 1 ? " board" : " boards"),
          whole ? Verbosity::Normal : Verbosity::Quiet);
    if (!off.empty()) d.say("Not as planned: " + snList(off), Verbosity::Quiet);
    if (!silent.empty()) d.say("Did not acknowledge: " + snList(silent), Verbosity::Quiet);
    if (!unverified.empty()) d.say("Sent, but interrupted before a search verified it: " + snList(unverified), Verbosity::Quiet);
    if (!stopped.empty()) d.say("Interrupted before it acknowledged: " + snList(stopped), Verbosity::Quiet);
    if (!unreached.empty()) d.say("Not reached: " + snList(unreached), Verbosity::Quiet);
    if (!silent.empty() && !unreached.empty() && d.options().onMissing == OnMissing::Abort)
        d.say("lanset-cli: the pass stopped at the board that did not acknowledge; --on-missing ignore goes on "
              "with the next board, --retries N tries it N more times", Verbosity::Quiet);
}

}  // namespace

int cmdAuto(CliDriver& d) {
    CliOptions o = d.options();
    if (auto r = checkSomethingToChange(o)) return d.refuse(*r);
    if (auto r = toBoardText(o.pattern, "--pattern")) return d.refuse(*r);
    int32_t firstSequence = 0;
    if (auto r = checkPatternEntries(o, firstSequence)) return d.refuse(*r);
    if (o.watch) {
        if (auto r = checkBatchRange(o, 1)) return d.refuse(*r);
        // Numbered one by one without end: a pattern that gives every board one ID never serves.
        if (o.pattern)
            if (std::string fault = patternFault(*o.pattern, firstSequence, 2); fault.find("no '#'") != std::string::npos)
                if (auto refused = d.refuseClash(Refusal{"", fault, "", true})) return *refused;
        return cmdStation(d, o, firstSequence);
    }
    // With the boards named, their number is known before anything is sent.
    if (!o.sns.empty())
        if (auto r = checkBatchRange(o, static_cast<int32_t>(o.sns.size()))) return d.refuse(*r);
    if (const int status = d.find(); status != kExitOk) {
        if (status == kExitInterrupted) d.say("lanset-cli: interrupted during the search; nothing was sent", Verbosity::Quiet);
        return status;
    }

    BatchProgress batch;
    if (auto failed = passBoards(d, o, batch.indexes)) return *failed;
    const auto boards = static_cast<int32_t>(batch.indexes.size());
    if (boards == 0) {
        d.say(std::string("lanset-cli: Alert: ") + kNoBoardsText, Verbosity::Quiet);
        return kExitFailed;
    }
    if (auto r = checkBatchRange(o, boards)) return d.refuse(*r);

    // What each board is to get, as the batch derives it.
    const DeviceList& list = d.session().devices;
    std::vector<PassBoard> pass;
    std::vector<PlanRow> rows;
    for (int32_t p = 0; p < boards; ++p) {
        const DeviceRecord* board = list.at(batch.indexes[static_cast<size_t>(p)]);
        DeviceRecord w = configureRecord(o, *board);
        w.id[0] = '\0';
        if (o.pattern) w.setId(expandIdPattern(*o.pattern, firstSequence + p, fieldText(board->mac)).c_str());
        if (o.ip) w.setIp(formatIpv4(inetAddrHost(o.ip->c_str()) + static_cast<uint32_t>(p)).c_str());
        batch.planned.push_back(w);
        pass.push_back(PassBoard{board, w, ""});
        rows.push_back(rowOf(o, w, p + 1));
    }
    std::vector<const DeviceRecord*> passed;
    for (const PassBoard& b : pass) passed.push_back(b.found);
    if (auto refused = d.refusedTwins(passed)) return *refused;
    if (auto refused = refusedNumbers(d, o, firstSequence, boards, pass)) return *refused;
    if (auto refused = d.refusedPass(pass)) return *refused;

    std::vector<PlanResult> results = assessPlan(rows, list, o.dryRun);
    if (o.dryRun) {
        d.out() << formatPlanReport(results, o.format, "board") << std::flush;
        d.say("Dry run: nothing sent");
        return kExitOk;
    }
    int status = kExitOk;
    if (o.oneByOne) {
        status = oneByOne(d, o, firstSequence, batch, results);
        if (status == kExitOk) status = verifyPlan(d, rows, results);
    } else {
        status = applyInRounds(d, rows, batch.planned, results);
    }
    if (status != kExitOk && status != kExitInterrupted) return status;
    saySummary(d, results);
    std::vector<DeviceRecord> held;
    for (const PlanResult& r : results)
        if ((r.status == PlanStatus::Changed || r.status == PlanStatus::Unchanged) && r.board) held.push_back(*r.board);
    d.printBoards(held);
    if (status == kExitInterrupted) return kExitInterrupted;
    return held.size() == results.size() ? kExitOk : kExitFailed;
}
