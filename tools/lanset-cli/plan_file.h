#pragma once
// A configuration plan: find's own CSV (id,sn,ip,subnet,gateway,dhcp), one row per board keyed
// by SN, an empty cell keeping the board's value. Read as a spreadsheet saves it: UTF-8 with or
// without a BOM, or else Windows-1252; CRLF or LF; ',', ';' or a tab between the cells (the
// header says which); columns that are not lanset's ignored; cells as csvCell writes them
// (ui/list_export.h), so that a saved list reads back as the boards it lists.
#include <optional>
#include <string>
#include <vector>

#include "net/device_list.h"
#include "tools/lanset-cli/cli_checks.h"

struct PlanRow {
    int line = 0;                         // where the row starts in the file, from 1
    std::string sn;                       // 12 lowercase hex digits
    std::optional<std::string> id;        // Latin-1, as the board holds it
    // Why id may not be sent (the ID rule, or a control character); empty when it may. Judged
    // only where id differs from the board's: a board keeps whatever ID it reports.
    std::string idFault;
    std::optional<std::string> ip;
    std::optional<std::string> subnet;
    std::optional<std::string> gateway;
    std::optional<bool> dhcp;
};

struct PlanRead {
    std::vector<PlanRow> rows;
    // Every fault found, one line each, "line N, COLUMN: what" (or "line N: what" for a whole
    // row or line); the first 20, then "... and N more".
    std::optional<Refusal> refusal;
    std::vector<std::string> notes;       // to say once: how the file was read (printable)
};

// The rows, each checked on its own (header, SN, duplicate SN, addresses, the address-range rule
// where a row gives address and mask); nothing about the boards.
PlanRead parsePlan(const std::string& bytes);

// The plan file read and parsed; the refusal says why it could not be (exit 2). Never throws:
// running out of memory is a refusal too.
PlanRead readPlan(const std::string& path);

// The ID cells that would give their board another ID and may not (PlanRow::idFault), each
// with its line, all at once; rows whose board the find did not list change nothing.
std::optional<Refusal> refusedIdCells(const std::vector<PlanRow>& rows, const DeviceList& boards);

// A refusal of the plan at a line of its file: "line N: what".
Refusal atLine(int line, const std::string& what);

// The whole file; false with why not. Only a regular file of at most 16 MB is read: a pipe or a
// device could block or never end. Nothing waits: a FIFO is opened without blocking, then refused.
// The path is UTF-8 (opened by its wide name on Windows).
bool readPlanFile(const std::string& path, std::string& bytes, std::string& why);
