#pragma once
// lanset-cli's command line: find, configure one board, configure a batch, or apply a plan.
#include <optional>
#include <string>
#include <vector>

enum class CliCommand { Find, Configure, Auto, Apply, Watch };
enum class OutputFormat { Table, Csv, Json };
enum class OnMissing { Abort, Ignore };
// The order a batch numbers its boards in: as they answered (the windows' order), or by SN.
enum class BoardOrder { Reply, Sn };
enum class Verbosity { Quiet, Normal, Verbose };

struct CliOptions {
    CliCommand command = CliCommand::Find;
    OutputFormat format = OutputFormat::Table;
    std::string sn;                         // configure: the board, 12 lowercase hex digits
    std::string planPath;                   // apply: the plan file, as given
    std::optional<std::string> id;          // configure --id (UTF-8 as typed until checked)
    std::optional<std::string> pattern;     // auto --pattern (likewise)
    std::optional<std::string> sequence;    // auto --sequence, as typed (checked later)
    std::optional<std::string> ip;          // configure: the address; auto: the first one
    std::optional<std::string> mask;
    std::optional<std::string> gateway;
    std::optional<bool> dhcp;
    std::vector<std::string> sns;           // auto --sn, normalised, in the order given
    std::vector<std::string> adapters;      // --adapter: names or addresses; empty: every adapter
    OnMissing onMissing = OnMissing::Abort;
    bool onMissingGiven = false;
    BoardOrder order = BoardOrder::Reply;
    Verbosity verbosity = Verbosity::Normal;
    bool force = false;                     // go on past the clash checks (never the entry rules)
    bool dryRun = false;                    // apply: say what would change, send nothing
    bool check = false;                     // find: name each board's problems
    bool watch = false;                     // auto: a station, numbering boards as they appear
    int count = 0;                          // watch, auto --watch: end once this many (0: never)
    bool oneByOne = false;                  // auto, apply: board after board, as the windows do
    int retries = 0;
    bool terminal = false;                  // out and err are both a terminal (set by main, not typed)
};

struct CliParse {
    bool ok = false;
    bool help = false;
    bool version = false;
    CliOptions options;
    std::string error;   // what was wrong, one line
};

CliParse parseCliArguments(const std::vector<std::string>& args);
std::string cliUsage();
// The one line a usage error prints.
std::string usageErrorLine(const std::string& error);

// A board's SN as the list shows it: 12 lowercase hex digits. Accepts either case and ':' or
// '-' between digit pairs; nullopt for anything else.
std::optional<std::string> normaliseSn(const std::string& text);
// True for a strict dotted quad a.b.c.d, each part 0..255 in decimal without leading zeros.
bool isDottedQuad(const std::string& text);
