#include "tools/lanset-cli/plan_report.h"

#include <algorithm>
#include <cctype>

#include "tools/lanset-cli/board_output.h"
#include "ui/board_text.h"

namespace {

std::string changesText(const PlanResult& r) {
    std::string out;
    const bool seen = r.status == PlanStatus::NotAsPlanned;
    for (const FieldChange& c : seen ? r.mismatches : r.changes) {
        const std::string before = printableText(c.before);
        const std::string after = printableText(c.after);
        out += (out.empty() ? "" : ", ") + c.field + ": " +
               (seen ? "planned " + after + ", reports " + (c.before.empty() ? "nothing" : before)
                     : (before.empty() ? "(none)" : before) + " -> " + after);
    }
    if (seen && !r.problem.empty()) out = r.problem + (out.empty() ? "" : "; " + out);
    else if (seen && r.mismatches.empty()) out = "did not answer the verifying search";
    return out;
}

std::string reportCell(const std::string& v) {
    if (v.find_first_of(",\"\r\n") == std::string::npos) return v;
    std::string out = "\"";
    for (char c : v) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string jsonChanges(const std::vector<FieldChange>& changes, const char* before, const char* after) {
    std::string out = "{";
    for (const FieldChange& c : changes)
        out += (out.size() > 1 ? ", " : "") + jsonText(c.field) + ": {" + jsonText(before) + ": " +
               jsonText(c.before) + ", " + jsonText(after) + ": " + jsonText(c.after) + "}";
    return out + "}";
}

}  // namespace

const char* planStatusText(PlanStatus status) {
    switch (status) {
    case PlanStatus::Unchanged: return "unchanged";
    case PlanStatus::WouldChange: return "would change";
    case PlanStatus::Changed: return "changed";
    case PlanStatus::NotAcknowledged: return "not acknowledged";
    case PlanStatus::Absent: return "absent";
    case PlanStatus::NotAsPlanned: return "not as planned";
    case PlanStatus::NotReached: return "not reached";
    case PlanStatus::Unverified: return "not verified";
    case PlanStatus::Interrupted: return "interrupted";
    }
    return "";
}

bool planStatusOk(PlanStatus status) {
    return status == PlanStatus::Unchanged || status == PlanStatus::WouldChange || status == PlanStatus::Changed;
}

std::string formatPlanReport(const std::vector<PlanResult>& results, OutputFormat format, const std::string& key) {
    std::string out;
    if (format == OutputFormat::Json) {
        out = "[";
        for (size_t n = 0; n < results.size(); ++n) {
            const PlanResult& r = results[n];
            out += std::string(n ? "," : "") + "\n  {" + jsonText(key) + ": " + std::to_string(r.line) + ", \"sn\": " +
                   jsonText(r.sn) + ", \"result\": " + jsonText(planStatusText(r.status)) +
                   ", \"changes\": " + jsonChanges(r.changes, "old", "new");
            if (r.status == PlanStatus::NotAsPlanned) {
                out += ", \"mismatches\": " + jsonChanges(r.mismatches, "reported", "planned");
                if (!r.problem.empty()) out += ", \"problem\": " + jsonText(r.problem);
            }
            out += ", \"board\": " + (r.board ? boardJson(*r.board) : std::string("null")) + "}";
        }
        return out + (results.empty() ? "]\n" : "\n]\n");
    }
    if (format == OutputFormat::Csv) {
        out = key + ",sn,result,changes\n";
        for (const PlanResult& r : results)
            out += std::to_string(r.line) + "," + r.sn + "," + planStatusText(r.status) + "," +
                   reportCell(changesText(r)) + "\n";
        return out;
    }
    std::string heading = key;
    for (char& c : heading) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    size_t lineWidth = heading.size(), resultWidth = 6;
    for (const PlanResult& r : results) {
        lineWidth = std::max(lineWidth, std::to_string(r.line).size());
        resultWidth = std::max(resultWidth, std::string(planStatusText(r.status)).size());
    }
    auto row = [&](const std::string& line, const std::string& sn, const std::string& result,
                   const std::string& changes) {
        std::string text = line + std::string(lineWidth - line.size() + 2, ' ') + sn + "  " + result;
        if (!changes.empty()) text += std::string(resultWidth - result.size() + 2, ' ') + changes;
        return text + "\n";
    };
    out = row(heading, "SN          ", "RESULT", "CHANGES");
    for (const PlanResult& r : results)
        out += row(std::to_string(r.line), r.sn, planStatusText(r.status), changesText(r));
    return out;
}
