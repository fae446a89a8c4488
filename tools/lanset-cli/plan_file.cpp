#include "tools/lanset-cli/plan_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#ifdef _WIN32
#include <windows.h>
#endif

#include "ui/entry_rules.h"
#include "ui/list_export.h"

namespace {

struct Record {
    int line = 0;
    std::vector<std::string> cells;
};

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// RFC 4180 records: quoted cells may hold separators, doubled quotes and line breaks; blanks
// around an unquoted cell are dropped.
std::vector<Record> records(const std::string& text, char separator) {
    std::vector<Record> out;
    Record current{1, {}};
    std::string cell;
    bool quoted = false, wasQuoted = false;
    int line = 1;
    auto endCell = [&] {
        current.cells.push_back(wasQuoted ? cell : trimmed(cell));
        cell.clear();
        wasQuoted = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                cell += c;
            }
        } else if (c == '"' && trimmed(cell).empty()) {
            cell.clear();
            quoted = wasQuoted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endCell();
            out.push_back(current);
            current = Record{++line, {}};
        } else {
            cell += c;
        }
    }
    if (!cell.empty() || wasQuoted || !current.cells.empty()) {
        endCell();
        out.push_back(current);
    }
    return out;
}


std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

PlanRead parsePlan(const std::string& bytes) {
    PlanRead r;
    std::string text = bytes;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    // The header decides the separator: Excel saves ';' where ',' is the decimal comma.
    const std::string header = text.substr(0, text.find_first_of("\r\n"));
    const char separator = header.find(';') != std::string::npos && header.find(',') == std::string::npos ? ';' : ',';
    const std::vector<Record> all = records(text, separator);

    const std::string names = "the columns are id,sn,ip,subnet,gateway,dhcp";
    if (all.empty()) {
        r.refusal = atLine(1, "no header (" + names + ")");
        return r;
    }
    // Column i of the file holds field columns[i] of kBoardFields.
    std::vector<size_t> columns;
    for (const std::string& cell : all[0].cells) {
        const std::string name = lower(cell);
        size_t field = kBoardFields.size();
        for (size_t f = 0; f < kBoardFields.size(); ++f)
            if (name == kBoardFields[f]) field = f;
        if (field == kBoardFields.size()) {
            r.refusal = atLine(all[0].line, "unknown column '" + cell + "' (" + names + ")");
            return r;
        }
        for (size_t earlier : columns)
            if (earlier == field) {
                r.refusal = atLine(all[0].line, "column '" + cell + "' given twice");
                return r;
            }
        columns.push_back(field);
    }
    if (std::find(columns.begin(), columns.end(), size_t{1}) == columns.end()) {
        r.refusal = atLine(all[0].line, "no sn column: the plan names each board by its SN (" + names + ")");
        return r;
    }

    std::map<std::string, int> snLines;
    for (size_t n = 1; n < all.size(); ++n) {
        const Record& rec = all[n];
        bool blank = true;
        for (const std::string& c : rec.cells) blank = blank && c.empty();
        if (blank) continue;   // empty lines, and the rows of separators a spreadsheet leaves
        // A spreadsheet may add empty cells at the end of a row; any other count is a fault.
        size_t used = rec.cells.size();
        while (used > columns.size() && rec.cells[used - 1].empty()) --used;
        if (used != columns.size()) {
            r.refusal = atLine(rec.line, std::to_string(used) + " cells, the header names " + std::to_string(columns.size()));
            return r;
        }
        PlanRow row;
        row.line = rec.line;
        for (size_t i = 0; i < columns.size(); ++i) {
            const std::string& v = rec.cells[i];
            const std::string field = kBoardFields[columns[i]];
            if (field == "sn") {
                auto sn = normaliseSn(v);
                if (!sn) {
                    r.refusal = atLine(rec.line, "'" + v + "' is not an SN (12 hexadecimal digits)");
                    return r;
                }
                row.sn = *sn;
                continue;
            }
            if (v.empty()) continue;   // keep the board's value
            if (field == "id") {
                std::string latin1;
                if (auto bad = boardTextOf(v, latin1)) {
                    r.refusal = atLine(rec.line, "id " + bad->message);
                    return r;
                }
                const RuleVerdict verdict = checkIdText(latin1.c_str());
                if (!verdict.ok) {
                    r.refusal = atLine(rec.line, std::string(verdict.caption) + ": " + verdict.message);
                    return r;
                }
                row.id = latin1;
            } else if (field == "dhcp") {
                if (lower(v) != "on" && lower(v) != "off") {
                    r.refusal = atLine(rec.line, "dhcp '" + v + "': on or off");
                    return r;
                }
                row.dhcp = lower(v) == "on";
            } else {
                if (!isDottedQuad(v)) {
                    r.refusal = atLine(rec.line, field + " '" + v + "' is not an address a.b.c.d");
                    return r;
                }
                (field == "ip" ? row.ip : field == "subnet" ? row.subnet : row.gateway) = v;
            }
        }
        if (auto [at, fresh] = snLines.emplace(row.sn, row.line); !fresh) {
            r.refusal = atLine(row.line, "SN " + row.sn + " is also on line " + std::to_string(at->second));
            return r;
        }
        if (row.ip && row.subnet)
            if (auto range = checkRange(*row.ip, *row.subnet, 1)) {
                r.refusal = atLine(row.line, range->caption + ": " + range->message);
                r.refusal->reason = "line " + std::to_string(row.line) + ": " + range->reason;
                return r;
            }
        r.rows.push_back(row);
    }
    return r;
}

bool readPlanFile(const std::string& path, std::string& bytes, std::string& why) {
#ifdef _WIN32
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(), length);
    FILE* f = _wfopen(wide.c_str(), L"rb");
#else
    FILE* f = std::fopen(path.c_str(), "rb");
#endif
    if (!f) {
        why = std::strerror(errno);
        return false;
    }
    bytes.clear();
    std::array<char, 65536> chunk;
    size_t n = 0;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), f)) > 0) bytes.append(chunk.data(), n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) why = "it could not be read";
    return !failed;
}

Refusal atLine(int line, const std::string& what) { return Refusal{"", "line " + std::to_string(line) + ": " + what, ""}; }
