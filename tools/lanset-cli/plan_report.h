#pragma once
// What apply did with each row of a plan: one line per board as a table or CSV, or a JSON object
// per board with the fields that changed.
#include <optional>
#include <string>
#include <vector>

#include "net/device_record.h"
#include "tools/lanset-cli/cli_args.h"

enum class PlanStatus {
    Unchanged,        // the board already held every planned value: nothing sent
    WouldChange,      // --dry-run: what would be sent
    Changed,          // acknowledged, and the verifying search saw the planned values
    NotAcknowledged,
    Absent,           // no board with that SN answered the search
    NotAsPlanned,     // acknowledged, but the verifying search saw other values (or no board)
    NotReached,       // interrupted before its turn
    Unverified,       // sent, but stopped before a find could tell what the board holds
    Interrupted,      // stopped while its attempts ran, before it acknowledged
};

struct FieldChange {
    std::string field;    // id, ip, subnet, gateway or dhcp
    std::string before;   // as found (NotAsPlanned: as the verifying search saw it)
    std::string after;    // as planned; texts as the board holds them (IDs in Latin-1)
};

struct PlanResult {
    int line = 0;
    std::string sn;
    PlanStatus status = PlanStatus::Unchanged;
    std::vector<FieldChange> changes;      // what the plan changes
    std::vector<FieldChange> mismatches;   // NotAsPlanned: planned against seen
    std::string problem;                   // NotAsPlanned: what else the verifying search saw
    std::optional<DeviceRecord> board;     // as last seen
};

const char* planStatusText(PlanStatus status);
// A status that leaves the board as planned.
bool planStatusOk(PlanStatus status);

// key names the first column: a plan's "line", or a pass's "board" (its position in the pass).
std::string formatPlanReport(const std::vector<PlanResult>& results, OutputFormat format,
                             const std::string& key = "line");
