// lanset-cli configure: one board, only the settings given, through the attempts that the
// windows make; then a find verifies that the board holds them.
#include "ui/board_text.h"
#include "tools/lanset-cli/commands.h"
#include "tools/lanset-cli/lan_check.h"
#include "tools/lanset-cli/plan_run.h"

namespace {

std::string changesSaid(const std::vector<FieldChange>& changes) {
    std::string out;
    for (const FieldChange& c : changes)
        out += (out.empty() ? "" : ", ") + c.field + " " +
               printableText(c.before.empty() ? "(none)" : c.before);
    return out;
}

}  // namespace

int cmdConfigure(CliDriver& d) {
    CliOptions o = d.options();
    if (auto r = checkSomethingToChange(o)) return d.refuse(*r);
    if (auto r = toBoardText(o.id, "--id")) return d.refuse(*r);
    if (auto r = checkConfigureEntries(o)) return d.refuse(*r);
    if (const int status = d.find(); status != kExitOk) {
        if (status == kExitInterrupted) d.say("lanset-cli: interrupted during the search; nothing was sent", Verbosity::Quiet);
        return status;
    }
    NetSession& session = d.session();
    const int32_t index = session.devices.findByMac(o.sn.c_str());
    const DeviceRecord* board = session.devices.at(index);
    if (!board) {
        d.say("lanset-cli: no board with SN " + o.sn + " answered the search", Verbosity::Quiet);
        return kExitFailed;
    }
    const DeviceRecord record = configureRecord(o, *board);
    if (auto refused = d.refusedTwins({board})) return *refused;
    if (auto refused = d.refusedPass({PassBoard{board, record, ""}})) return *refused;

    PlanRow row;
    row.sn = o.sn;
    row.id = o.id;
    row.ip = o.ip;
    row.subnet = o.mask;
    row.gateway = o.gateway;
    row.dhcp = o.dhcp;
    if (planDifferences(row, *board).empty()) {
        d.say("SN " + o.sn + " already holds these settings; nothing was sent");
        d.printBoards({*board});
        return kExitOk;
    }

    if (o.dryRun) {
        std::vector<PlanResult> preview = assessPlan({row}, session.devices, true);
        preview[0].line = 1;
        d.out() << formatPlanReport(preview, o.format, "board") << std::flush;
        d.say("Dry run: nothing sent");
        return kExitOk;
    }
    const CliDriver::OneResult r = d.configureOne(index, record);
    if (r.status == kExitInterrupted) {
        d.say("lanset-cli: interrupted; " + d.describeIndex(index) +
                  (r.acknowledged ? " had acknowledged its new settings, which no search has verified"
                                  : " had not acknowledged: it may or may not have taken them"),
              Verbosity::Quiet);
        return kExitInterrupted;
    }
    if (r.status != kExitOk) return r.status;
    if (!r.acknowledged) return kExitFailed;   // said by the driver

    // An acknowledgement names no board: only a find tells what the board holds.
    const int status = d.verifyingFind({o.sn});
    if (status == kExitInterrupted)
        d.say("lanset-cli: interrupted; SN " + o.sn + " acknowledged, but no search has verified its settings",
              Verbosity::Quiet);
    if (status != kExitOk) return status;
    const DeviceRecord* seen = session.devices.at(session.devices.findByMac(o.sn.c_str()));
    if (!seen) {
        d.say("lanset-cli: SN " + o.sn + " acknowledged, but did not answer the search that verifies it; "
              "it may not hold its new settings", Verbosity::Quiet);
        return kExitFailed;
    }
    if (std::string twin = otherAnswersProblem(session.devices, session.devices.findByMac(o.sn.c_str()));
        !twin.empty()) {
        d.say("lanset-cli: " + twin + "; which is the board, no search can tell: not as planned", Verbosity::Quiet);
        return kExitFailed;
    }
    if (const auto left = planDifferences(row, *seen); !left.empty()) {
        d.say("lanset-cli: SN " + o.sn + " acknowledged, but is not as planned: it reports " + changesSaid(left),
              Verbosity::Quiet);
        return kExitFailed;
    }
    d.say("Configured device " + describeBoard(*seen));
    d.printBoards({*seen});
    return kExitOk;
}
