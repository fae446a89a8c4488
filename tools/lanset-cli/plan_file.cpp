#include "tools/lanset-cli/plan_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "ui/board_text.h"
#include "ui/entry_rules.h"
#include "ui/list_export.h"

namespace {

constexpr size_t kMostPlanBytes = size_t{16} << 20;
constexpr size_t kMostFaultsSaid = 20;
constexpr size_t kMostColumns = 1000;
// More boards than boardsim simulates, and than any LAN of them holds: what is kept of each row
// and of each board that apply works on stays small.
constexpr size_t kMostRows = 65536;
constexpr size_t kMostSaidBytes = 240;   // of one line of a refusal or note
const char* const kColumnNames = "the columns are id,sn,ip,subnet,gateway,dhcp";

// Every fault of a plan, said at once; beyond the first few only counted.
class PlanFaults {
public:
    // What may echo a file's text: it is made printable and cut to a line's length here.
    void add(int line, const std::string& column, const std::string& what, const std::string& reason = {}) {
        if (said_.size() == kMostFaultsSaid) {
            ++more_;
            return;
        }
        const std::string where = "line " + std::to_string(line) + (column.empty() ? "" : ", " + column) + ": ";
        std::string text = shortLine(where + what);
        if (!reason.empty()) text += "\n" + shortLine(where + reason);
        said_.push_back(text);
    }
    bool any() const { return !said_.empty(); }
    std::optional<Refusal> refusal() const {
        if (said_.empty()) return std::nullopt;
        std::string message;
        for (const std::string& s : said_) message += (message.empty() ? "" : "\n") + s;
        if (more_) message += "\n... and " + std::to_string(more_) + " more";
        return Refusal{"", message, ""};
    }
    // A line that a terminal shows as it is, and not too long to read.
    static std::string shortLine(const std::string& text) {
        std::string shown = printableUtf8(text);
        if (shown.size() <= kMostSaidBytes) return shown;
        size_t cut = kMostSaidBytes;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;
        return shown.substr(0, cut) + "...";
    }

private:
    std::vector<std::string> said_;
    size_t more_ = 0;
};

std::string trimmedCell(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct PlanRecord {
    int line = 0;                     // where it starts
    std::vector<std::string> cells;   // the first ones, as many as were asked for
    size_t count = 0;                 // every cell
    size_t filled = 0;                // one past the last cell that is not empty
};

// RFC 4180 records, one at a time: quoted cells may hold separators, doubled quotes and line
// breaks; blanks around an unquoted cell are dropped. Cells beyond those asked for are only
// counted, so that no row can take more memory than the header's columns.
class PlanRecords {
public:
    PlanRecords(const std::string& text, char separator) : text_(text), separator_(separator) {}

    bool next(PlanRecord& r, size_t keep) {
        if (at_ >= text_.size()) return false;
        r = PlanRecord{line_, {}, 0, 0};
        std::string cell;
        bool quoted = false, wasQuoted = false, blankSoFar = true;
        const auto endCell = [&] {
            std::string v = wasQuoted ? cell : trimmedCell(cell);
            if (!v.empty()) r.filled = r.count + 1;
            if (r.count < keep) r.cells.push_back(std::move(v));
            ++r.count;
            cell.clear();
            wasQuoted = false;
            blankSoFar = true;
        };
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (quoted) {
                if (c == '"' && at_ < text_.size() && text_[at_] == '"') {
                    cell += '"';
                    ++at_;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n') ++line_;
                    cell += c;
                }
            } else if (c == '"' && blankSoFar) {
                cell.clear();
                quoted = wasQuoted = true;
                blankSoFar = false;
            } else if (c == separator_) {
                endCell();
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
                ++line_;
                endCell();
                return true;
            } else {
                cell += c;
                blankSoFar = blankSoFar && (c == ' ' || c == '\t');
            }
        }
        endCell();   // the last line, without a line break
        return true;
    }

private:
    const std::string& text_;
    char separator_;
    size_t at_ = 0;
    int line_ = 1;
};

// Each line (CRLF, LF or CR ending it) that holds needle, by its number.
template <typename Said>
void linesHolding(const std::string& text, const std::string& needle, Said said) {
    int line = 1;
    bool saidThisLine = false;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' || text[at] == '\r') {
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
            ++line;
            saidThisLine = false;
        } else if (!saidThisLine && text.compare(at, needle.size(), needle) == 0) {
            said(line);
            saidThisLine = true;
        }
    }
}

size_t fieldIndex(const std::string& name) {
    const std::string n = lowered(name);
    for (size_t f = 0; f < kBoardFields.size(); ++f)
        if (n == kBoardFields[f]) return f;
    return kBoardFields.size();
}

// The separator that makes the most of lanset's columns out of the header: Excel saves ';' where
// ',' is the decimal comma, and "Text (Tab delimited)" and lanset's Copy give tabs.
char separatorOf(const std::string& text) {
    const std::string header = text.substr(0, std::min(text.find_first_of("\r\n"), size_t{65536}));
    char best = ',';
    size_t bestCount = 0;
    for (const char candidate : {',', ';', '\t'}) {
        PlanRecords records(header, candidate);
        PlanRecord r;
        size_t known = 0;
        if (records.next(r, kMostColumns))
            for (const std::string& cell : r.cells) known += fieldIndex(cell) < kBoardFields.size() ? 1 : 0;
        if (known > bestCount) {
            best = candidate;
            bestCount = known;
        }
    }
    return best;
}

// The file as UTF-8 text, or the faults that keep it from being read as text at all.
std::string planText(const std::string& bytes, PlanFaults& faults, std::vector<std::string>& notes) {
    if (bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0) {
        faults.add(1, "", "the plan is UTF-16 text; save it as CSV (UTF-8 or the Windows code page) or as "
                          "tab-delimited text");
        return {};
    }
    linesHolding(bytes, std::string(1, '\0'), [&](int line) {
        faults.add(line, "", "a NUL byte (0x00): a plan is text, and no ID holds a NUL");
    });
    if (faults.any()) return {};
    const bool bom = bytes.rfind("\xEF\xBB\xBF", 0) == 0;
    std::string text = bom ? bytes.substr(3) : bytes;
    const Utf8Scan scan = scanUtf8(text);
    if (scan.firstBad == std::string::npos) return text;
    // Read as Windows-1252, a file that is partly UTF-8 would give each of its UTF-8 letters as
    // two characters, and rename those boards.
    if (bom || scan.multiByte) {
        int line = 1;
        for (size_t at = 0; at < scan.firstBad; ++at)
            if (text[at] == '\n' || (text[at] == '\r' && text[at + 1] != '\n')) ++line;
        faults.add(line, "", bom ? "not UTF-8, although the file starts as UTF-8 does (with its byte order mark)"
                                 : "not UTF-8, although other lines are: save the plan in one encoding");
        return {};
    }
    // What a spreadsheet on Windows saves as CSV.
    text = utf8FromWindows1252(text);
    linesHolding(text, "\xEF\xBF\xBD", [&](int line) {
        faults.add(line, "", "a byte that is neither UTF-8 nor a character of Windows-1252 (0x81, 0x8D, 0x8F, "
                             "0x90 or 0x9D)");
    });
    notes.push_back("the plan is not UTF-8: read as Windows-1252, as a spreadsheet on Windows saves CSV");
    return text;
}

// One row's cells checked; added to rows while the plan has no fault.
void readRow(const PlanRecord& rec, const std::vector<size_t>& columns, std::map<std::string, int>& snLines,
             PlanRead& r, PlanFaults& faults) {
    PlanRow row;
    row.line = rec.line;
    const auto fault = [&](const std::string& column, const std::string& what, const std::string& reason = {}) {
        faults.add(rec.line, column, what, reason);
    };
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == kBoardFields.size()) continue;   // not lanset's: ignored
        const std::string field = kBoardFields[columns[i]];
        std::string v;
        if (!readCsvCell(rec.cells[i], v)) {
            fault(field, "'" + rec.cells[i] + "' starts with '\\' but is no escaped text: such a cell holds \\\\ "
                         "for a backslash and \\xHH for a byte");
            continue;
        }
        if (v.find('\0') != std::string::npos) {
            fault(field, "'" + rec.cells[i] + "' holds a NUL (\\x00), which no board's text holds");
            continue;
        }
        if (field == "sn") {
            if (auto sn = normaliseSn(v)) row.sn = *sn;
            else fault(field, "'" + v + "' is not an SN (12 hexadecimal digits)");
            continue;
        }
        if (v.empty()) continue;   // keep the board's value
        if (field == "id") {
            std::string latin1;
            if (auto bad = boardTextOf(v, latin1)) {
                fault(field, bad->message);
                continue;
            }
            // Judged once the board is known: a board keeps whatever ID it reports.
            const RuleVerdict verdict = checkIdText(latin1.c_str());
            row.idFault = verdict.ok ? controlCharacterFault(latin1)
                                     : std::string(verdict.caption) + ": " + verdict.message;
            row.id = latin1;
        } else if (field == "dhcp") {
            if (lowered(v) == "on" || lowered(v) == "off") row.dhcp = lowered(v) == "on";
            else fault(field, "'" + v + "': on or off");
        } else if (!isDottedQuad(v)) {
            fault(field, "'" + v + "' is not an address a.b.c.d");
        } else {
            (field == "ip" ? row.ip : field == "subnet" ? row.subnet : row.gateway) = v;
        }
    }
    if (!row.sn.empty())
        if (auto [at, fresh] = snLines.emplace(row.sn, row.line); !fresh)
            fault("sn", "SN " + row.sn + " is also on line " + std::to_string(at->second));
    if (row.ip && row.subnet)
        if (auto range = checkRange(*row.ip, *row.subnet, 1)) fault("ip", range->caption + ": " + range->message, range->reason);
    if (!faults.any()) r.rows.push_back(std::move(row));   // a refused plan keeps no rows
}

}  // namespace

PlanRead parsePlan(const std::string& bytes) {
    PlanRead r;
    PlanFaults faults;
    const std::string text = planText(bytes, faults, r.notes);
    if (faults.any()) {
        r.refusal = faults.refusal();
        return r;
    }
    PlanRecords records(text, separatorOf(text));
    PlanRecord header;
    if (!records.next(header, kMostColumns + 1)) {
        r.refusal = atLine(1, std::string("no header (") + kColumnNames + ")");
        return r;
    }
    // Column i of the file holds field columns[i] of kBoardFields (its size: not lanset's).
    std::vector<size_t> columns;
    std::string ignored;
    size_t ignoredCount = 0;
    for (const std::string& cell : header.cells) {
        const size_t field = fieldIndex(cell);
        if (field < kBoardFields.size() && std::find(columns.begin(), columns.end(), field) != columns.end())
            faults.add(header.line, "", "column '" + cell + "' given twice");
        if (field == kBoardFields.size() && ++ignoredCount <= 8) ignored += (ignored.empty() ? "'" : ", '") + cell + "'";
        columns.push_back(field);
    }
    if (header.count > kMostColumns)
        faults.add(header.line, "", std::to_string(header.count) + " columns; a plan has at most " + std::to_string(kMostColumns));
    if (std::find(columns.begin(), columns.end(), size_t{1}) == columns.end())
        faults.add(header.line, "", std::string("no sn column: the plan names each board by its SN (") + kColumnNames + ")");
    if (faults.any()) {
        r.refusal = faults.refusal();
        return r;
    }
    if (ignoredCount)
        r.notes.push_back(PlanFaults::shortLine(
            "ignoring " + std::string(ignoredCount == 1 ? "the column " : "the columns ") + ignored +
            (ignoredCount > 8 ? " and " + std::to_string(ignoredCount - 8) + " more" : "") +
            ": lanset reads id,sn,ip,subnet,gateway,dhcp"));

    std::map<std::string, int> snLines;
    size_t rows = 0;
    for (PlanRecord rec; records.next(rec, columns.size());) {
        if (rec.filled == 0) continue;   // empty lines, and the rows of separators a spreadsheet leaves
        if (++rows > kMostRows) {
            faults.add(rec.line, "", "more than " + std::to_string(kMostRows) + " rows: a plan names at most " +
                                         std::to_string(kMostRows) + " boards");
            break;
        }
        // A spreadsheet may add empty cells at the end of a row; any other count is a fault.
        if (rec.count < columns.size() || rec.filled > columns.size()) {
            const size_t used = rec.count < columns.size() ? rec.count : rec.filled;
            faults.add(rec.line, "", std::to_string(used) + " cells, the header names " + std::to_string(columns.size()));
            continue;
        }
        readRow(rec, columns, snLines, r, faults);
    }
    r.refusal = faults.refusal();
    if (r.refusal) r.rows.clear();   // those before the first fault
    return r;
}

PlanRead readPlan(const std::string& path) {
    try {
        std::string bytes, why;
        if (readPlanFile(path, bytes, why)) return parsePlan(bytes);
        PlanRead r;
        r.refusal = Refusal{"", "cannot read the plan " + printableUtf8(path) + ": " + why, ""};
        return r;
    } catch (const std::bad_alloc&) {
        PlanRead r;
        r.refusal = Refusal{"", "not enough memory to read the plan " + printableUtf8(path), ""};
        return r;
    }
}

std::optional<Refusal> refusedIdCells(const std::vector<PlanRow>& rows, const DeviceList& boards) {
    PlanFaults faults;
    for (const PlanRow& row : rows) {
        const DeviceRecord* board = boards.at(boards.findByMac(row.sn.c_str()));
        if (row.id && !row.idFault.empty() && board && *row.id != fieldText(board->id))
            faults.add(row.line, "id", row.idFault);
    }
    return faults.refusal();
}

Refusal atLine(int line, const std::string& what) { return Refusal{"", "line " + std::to_string(line) + ": " + what, ""}; }

namespace {

std::string tooLarge(uint64_t size) {
    return "it holds " + std::to_string(size) + " bytes, and a plan may hold at most " +
           std::to_string(kMostPlanBytes >> 20) + " MB";
}

}  // namespace

#ifdef _WIN32

bool readPlanFile(const std::string& path, std::string& bytes, std::string& why) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(), length);
    const int fd = _wopen(wide.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        why = folder ? "it is a folder" : std::strerror(errno);
        return false;
    }
    // A console, a printer port or a pipe is no file: reading one could wait for ever.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    LARGE_INTEGER size{};
    bool ok = false;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        why = "it is not a file (a device or a pipe)";
    } else if (!GetFileSizeEx(handle, &size)) {
        why = "its size could not be read";
    } else if (static_cast<uint64_t>(size.QuadPart) > kMostPlanBytes) {
        why = tooLarge(static_cast<uint64_t>(size.QuadPart));
    } else {
        bytes.clear();
        bytes.reserve(static_cast<size_t>(size.QuadPart));
        char chunk[65536];
        int n = 0;
        while (bytes.size() <= kMostPlanBytes && (n = _read(fd, chunk, static_cast<unsigned>(sizeof chunk))) > 0)
            bytes.append(chunk, static_cast<size_t>(n));
        ok = n == 0 && bytes.size() <= kMostPlanBytes;
        if (!ok) why = n < 0 ? "it could not be read" : tooLarge(bytes.size());
    }
    _close(fd);
    return ok;
}

#else

bool readPlanFile(const std::string& path, std::string& bytes, std::string& why) {
    // O_NONBLOCK: opening a FIFO would otherwise wait for a writer, past SIGINT.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    struct stat st {};
    bool ok = false;
    if (fstat(fd, &st) != 0) {
        why = std::strerror(errno);
    } else if (S_ISDIR(st.st_mode)) {
        why = "it is a folder";
    } else if (!S_ISREG(st.st_mode)) {
        why = "it is not a file (a pipe, a device or a socket)";
    } else if (static_cast<uint64_t>(st.st_size) > kMostPlanBytes) {
        why = tooLarge(static_cast<uint64_t>(st.st_size));
    } else {
        bytes.clear();
        bytes.reserve(static_cast<size_t>(st.st_size));
        char chunk[65536];
        ssize_t n = 0;
        while (bytes.size() <= kMostPlanBytes && ((n = read(fd, chunk, sizeof chunk)) > 0 || (n < 0 && errno == EINTR)))
            if (n > 0) bytes.append(chunk, static_cast<size_t>(n));
        ok = n == 0 && bytes.size() <= kMostPlanBytes;
        if (!ok) why = n < 0 ? std::strerror(errno) : tooLarge(bytes.size());   // or it grew while read
    }
    close(fd);
    return ok;
}

#endif
