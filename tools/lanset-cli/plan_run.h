#pragma once
// A plan at work on the boards of the find just done: what each row would change, the rounds
// that send the requests, and the finds that verify them. An acknowledgement names no board, so
// only a find says that a board holds its row: nothing is reported changed that a find has not
// seen. apply and auto both run their boards through here.
#include <vector>

#include "tools/lanset-cli/cli_driver.h"
#include "tools/lanset-cli/plan_file.h"
#include "tools/lanset-cli/plan_report.h"

// Rounds a board is sent before it is given up, beside --retries more.
constexpr int kPlanRounds = 3;

// The planned values that board does not hold: before as the board has it, after as planned.
std::vector<FieldChange> planDifferences(const PlanRow& row, const DeviceRecord& board);

// Each row against the list of the find just done: Absent, Unchanged, WouldChange (dry run) or
// NotReached (to be sent), with the board as found and what the row changes.
std::vector<PlanResult> assessPlan(const std::vector<PlanRow>& rows, const DeviceList& list, bool dryRun);

// Sends each NotReached row its request (requests[i] for row i) in rounds, every board of a
// round at once, each round verified by a find: a board that does not then hold its row, or
// does not answer, goes into the next round; 3 rounds, and --retries more. Ends each such row
// Changed, NotAsPlanned or, when stopped first, Unverified. kExitOk, or the status to end with.
int applyInRounds(CliDriver& driver, const std::vector<PlanRow>& rows,
                  const std::vector<DeviceRecord>& requests, std::vector<PlanResult>& results);

// After boards were sent their requests one by one: one find verifies every row that is
// Changed (acknowledged) or NotAcknowledged. What it shows as planned is Changed; an
// acknowledged row that it does not is NotAsPlanned. kExitOk, or the status to end with.
int verifyPlan(CliDriver& driver, const std::vector<PlanRow>& rows, std::vector<PlanResult>& results);

// Every row as planned (or, in a dry run, as it would be).
bool planHeld(const std::vector<PlanResult>& results);
