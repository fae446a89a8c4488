#include "tools/lanset-cli/cli_args.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <set>

namespace {

constexpr int kMaxRetries = 1000;
constexpr size_t kMaxSelected = 256;   // the batch works through at most this many boards

enum CommandBit : unsigned { kFind = 1, kConfigure = 2, kAuto = 4, kApply = 8, kWatch = 16, kAll = 31 };

struct OptionInfo {
    const char* name;
    unsigned commands;   // CommandBit: where it may be given
    bool takesValue;
    bool repeatable;
};

constexpr OptionInfo kOptions[] = {
    {"--format", kAll, true, false},
    {"--adapter", kAll, true, true},
    {"--quiet", kAll, false, false},
    {"--verbose", kAll, false, false},
    {"--id", kConfigure, true, false},
    {"--pattern", kAuto, true, false},
    {"--sequence", kAuto, true, false},
    {"--ip", kConfigure | kAuto, true, false},
    {"--mask", kConfigure | kAuto, true, false},
    {"--gateway", kConfigure | kAuto, true, false},
    {"--dhcp", kConfigure | kAuto, true, false},
    {"--sn", kAuto, true, true},
    {"--on-missing", kAuto, true, false},
    {"--order", kAuto, true, false},
    {"--retries", kConfigure | kAuto | kApply, true, false},
    {"--force", kConfigure | kAuto | kApply, false, false},
    {"--dry-run", kConfigure | kAuto | kApply, false, false},
    {"--one-by-one", kAuto | kApply, false, false},
    {"--check", kFind, false, false},
    {"--watch", kAuto, false, false},
    {"--count", kAuto | kWatch, true, false},
};

struct CommandInfo {
    const char* name;
    CliCommand command;
    unsigned bit;
};

constexpr CommandInfo kCommands[] = {
    {"find", CliCommand::Find, kFind},
    {"configure", CliCommand::Configure, kConfigure},
    {"auto", CliCommand::Auto, kAuto},
    {"apply", CliCommand::Apply, kApply},
    {"watch", CliCommand::Watch, kWatch},
};

const OptionInfo* findOption(const std::string& name) {
    for (const OptionInfo& s : kOptions)
        if (name == s.name) return &s;
    return nullptr;
}

const CommandInfo& infoOf(CliCommand c) {
    for (const CommandInfo& i : kCommands)
        if (i.command == c) return i;
    return kCommands[0];
}

// Edits (insert, delete, change, swap of neighbours) from a to b.
size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i)
        for (size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

// The known name closest to what was typed, when it is a near miss; empty otherwise.
std::string nearMiss(const std::string& typed, const std::vector<std::string>& known) {
    const std::string bare = typed.substr(typed.find_first_not_of('-') == std::string::npos
                                              ? typed.size() : typed.find_first_not_of('-'));
    std::string best;
    size_t bestDistance = 3;   // at most two edits away
    for (const std::string& k : known) {
        const std::string kBare = k.substr(k.find_first_not_of('-'));
        const size_t d = editDistance(bare, kBare);
        if (d < bestDistance && d < kBare.size()) {
            best = k;
            bestDistance = d;
        }
    }
    return best;
}

std::string unknown(const char* what, const std::string& typed, const std::vector<std::string>& known) {
    std::string e = std::string("unknown ") + what + " " + typed;
    if (const std::string guess = nearMiss(typed, known); !guess.empty())
        e += " (did you mean " + guess + "?)";
    return e;
}

std::vector<std::string> optionNames() {
    std::vector<std::string> names;
    for (const OptionInfo& o : kOptions) names.push_back(o.name);
    names.push_back("--help");
    names.push_back("--version");
    return names;
}

std::vector<std::string> commandNames() {
    std::vector<std::string> names;
    for (const CommandInfo& c : kCommands) names.push_back(c.name);
    return names;
}

// Applies one option's value; returns an error text, empty when fine.
std::string apply(CliOptions& o, const std::string& name, const std::string& value) {
    if (name == "--format") {
        if (value == "table") o.format = OutputFormat::Table;
        else if (value == "csv") o.format = OutputFormat::Csv;
        else if (value == "json") o.format = OutputFormat::Json;
        else return "--format: table, csv or json";
    } else if (name == "--id") {
        o.id = value;
    } else if (name == "--pattern") {
        o.pattern = value;
    } else if (name == "--sequence") {
        o.sequence = value;
    } else if (name == "--ip" || name == "--mask" || name == "--gateway") {
        // One reading only: the entry rules and the datagram must see the same address.
        if (!isDottedQuad(value))
            return name + ": '" + value +
                   "' is not an address a.b.c.d (four decimal numbers 0 to 255, no leading zeros)";
        (name == "--ip" ? o.ip : name == "--mask" ? o.mask : o.gateway) = value;
    } else if (name == "--dhcp") {
        if (value != "on" && value != "off") return "--dhcp: on or off";
        o.dhcp = value == "on";
    } else if (name == "--sn") {
        size_t start = 0;
        for (;;) {
            const size_t comma = value.find(',', start);
            const std::string item = value.substr(start, comma == std::string::npos ? comma : comma - start);
            auto sn = normaliseSn(item);
            if (!sn) return "--sn: '" + item + "' is not an SN (12 hexadecimal digits)";
            o.sns.push_back(*sn);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    } else if (name == "--on-missing") {
        o.onMissingGiven = true;
        if (value == "abort") o.onMissing = OnMissing::Abort;
        else if (value == "ignore") o.onMissing = OnMissing::Ignore;
        else return "--on-missing: abort or ignore";
    } else if (name == "--order") {
        if (value == "reply") o.order = BoardOrder::Reply;
        else if (value == "sn") o.order = BoardOrder::Sn;
        else return "--order: reply or sn";
    } else if (name == "--adapter") {
        if (value.empty()) return "--adapter: the name or address of a network adapter";
        o.adapters.push_back(value);
    } else if (name == "--retries") {
        int n = 0;
        auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
        if (ec != std::errc() || p != value.data() + value.size() || n < 0 || n > kMaxRetries)
            return "--retries: a number from 0 to " + std::to_string(kMaxRetries);
        o.retries = n;
    } else if (name == "--force") {
        o.force = true;
    } else if (name == "--dry-run") {
        o.dryRun = true;
    } else if (name == "--watch") {
        o.watch = true;
    } else if (name == "--count") {
        int n = 0;
        auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
        if (ec != std::errc() || p != value.data() + value.size() || n < 1 || n > 65536)
            return "--count: a number from 1 to 65536";
        o.count = n;
    } else if (name == "--check") {
        o.check = true;
    } else if (name == "--one-by-one") {
        o.oneByOne = true;
    } else if (name == "--quiet" || name == "--verbose") {
        if (o.verbosity != Verbosity::Normal) return "--quiet and --verbose exclude each other";
        o.verbosity = name == "--quiet" ? Verbosity::Quiet : Verbosity::Verbose;
    }
    return {};
}

std::string crossCheck(const CliOptions& o) {
    if (o.ip.has_value() != o.mask.has_value()) return "--ip and --mask go together";
    if (o.ip && o.dhcp == true)
        return "--dhcp on and --ip exclude each other: a board on DHCP gets no fixed address";
    if (o.sequence && !o.pattern) return "--sequence needs --pattern";
    if (o.dryRun && o.watch) return "--dry-run and --watch exclude each other: a station sends as boards appear";
    if (o.command == CliCommand::Watch && o.format == OutputFormat::Csv)
        return "watch prints one line an event: --format table or json";
    if (o.count && o.command == CliCommand::Auto && !o.watch) return "--count goes with --watch";
    if (o.watch && (o.oneByOne || !o.sns.empty()))
        return "--watch numbers each board as it appears: not with --one-by-one or --sn";
    // Only board after board is there a board to stop or go on after.
    if (o.onMissingGiven && !o.oneByOne) return "--on-missing goes with --one-by-one";
    if (o.command == CliCommand::Auto) {
        const std::set<std::string> distinct(o.sns.begin(), o.sns.end());
        if (distinct.size() != o.sns.size()) return "--sn: the same board is named twice";
        if (o.sns.size() > kMaxSelected)
            return "--sn: at most " + std::to_string(kMaxSelected) + " boards in one pass";
    }
    return {};
}

}  // namespace

std::string cliUsage() {
    return "usage:\n"
           "  lanset-cli find [--check]\n"
           "  lanset-cli configure SN [--id ID] [--ip IP --mask MASK] [--gateway GW]\n"
           "                      [--dhcp on|off] [--retries N] [--dry-run] [--force]\n"
           "  lanset-cli auto [--pattern P [--sequence N]] [--ip START --mask MASK]\n"
           "                  [--gateway GW] [--dhcp on|off] [--sn SN]... [--order reply|sn]\n"
           "                  [--retries N] [--dry-run] [--force]\n"
           "                  [--one-by-one [--on-missing abort|ignore]] [--watch [--count N]]\n"
           "  lanset-cli apply PLAN.csv [--retries N] [--dry-run] [--force] [--one-by-one]\n"
           "  lanset-cli watch [--count N]\n"
           "  every command also takes [--format table|csv|json] (watch: table|json)\n"
           "  [--adapter NAME|ADDRESS]... [-q|--quiet] [-v|--verbose]; lanset-cli --help, --version\n"
           "\n"
           "find       lists the boards on the local network (progress on stderr).\n"
           "           --check names each board's problems (an address two boards hold or this\n"
           "           host holds, an address the adapter cannot reach, a gateway outside its\n"
           "           subnet, an SN that answered twice); exit 1 when there is one.\n"
           "configure  finds, then sends the board with hardware address SN the settings\n"
           "           given; the others stay as they are on the board.\n"
           "auto       finds, then configures the boards named by --sn, or every board found:\n"
           "           IDs from the pattern ('#' = running number from --sequence, default 1;\n"
           "           '%' = characters of the SN), consecutive addresses from START.\n"
           "           --watch: a station; after the find, each board plugged in gets the next\n"
           "           free number and address, until Ctrl-C or --count boards are configured.\n"
           "apply      finds, then gives each board of the plan (find's CSV: id,sn,ip,subnet,\n"
           "           gateway,dhcp; an empty cell keeps the board's value) what differs.\n"
           "watch      searches again and again and prints a line when a board appears,\n"
           "           changes or is gone; Ctrl-C ends it, or --count N boards present.\n"
           "configure, auto and apply send only to boards that do not hold the settings yet, and\n"
           "report a board configured only once a search has seen its new settings.\n"
           "--dry-run   say what each board would get; send nothing.\n"
           "--force     go on although IDs repeat, an ID or address is held by another board or\n"
           "            by this host, a gateway lies outside its subnet, or an SN answered twice\n"
           "            (the entry rules hold).\n"
           "--order     reply (default): boards numbered as they answered, as lanset does;\n"
           "            sn: by ascending SN, the same numbers every run.\n"
           "--retries N  further rounds for a board that does not take its settings (three by\n"
           "            default); with --one-by-one, further rounds of ten attempts.\n"
           "--one-by-one  board after board, each through its attempts, as the windows do.\n"
           "--on-missing  after a board that did not acknowledge, one by one: abort (default)\n"
           "            or ignore.\n"
           "--count N   watch: end once N boards are present; auto --watch: once N are configured.\n"
           "--adapter   send only out of this network adapter (by name or address); may be\n"
           "            repeated. Without it, every adapter that can broadcast is used.\n"
           "-q, --quiet   no progress; -v, --verbose  every search cycle and attempt too.\n"
           "IDs are at most 16 characters of Latin-1 (letters such as \xc3\xa9, \xc3\xbc, \xc3\x9f), no blank,\n"
           "'.', ':', '?', '/' or control character. JSON output also gives each board the adapter\n"
           "it answered on.\n"
           "Exit status: 0 done; 1 a board did not answer, was not found, is not as planned, or\n"
           "the network could not be opened; 2 bad usage or a refused entry (nothing sent);\n"
           "130 interrupted (watch: 0).\n";
}

std::string usageErrorLine(const std::string& error) {
    return "lanset-cli: " + error + "; see 'lanset-cli --help'\n";
}

std::optional<std::string> normaliseSn(const std::string& text) {
    std::string hex;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == ':' || c == '-') && hex.size() % 2 == 0 && !hex.empty() && i + 1 < text.size())
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        hex += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (hex.size() != 12) return std::nullopt;
    return hex;
}

bool isDottedQuad(const std::string& text) {
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.') return false;
            ++pos;
        }
        const size_t first = pos;
        int value = 0;
        while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) &&
               pos - first < 3) {
            value = value * 10 + (text[pos] - '0');
            ++pos;
        }
        const size_t digits = pos - first;
        // "064" would be octal to inet_addr and decimal on the wire: refused.
        if (digits == 0 || value > 255 || (digits > 1 && text[first] == '0')) return false;
    }
    return pos == text.size();
}

CliParse parseCliArguments(const std::vector<std::string>& args) {
    CliParse r;
    auto fail = [&r](std::string why) {
        r.error = std::move(why);
        return r;
    };
    auto isHelp = [](const std::string& a) { return a == "-h" || a == "--help" || a == "help"; };
    auto isVersion = [](const std::string& a) { return a == "--version" || a == "-V"; };
    if (args.empty()) return fail("no command (find, configure, auto, apply or watch)");
    const std::string& command = args[0];
    if (isHelp(command)) {
        r.help = true;
        return r;
    }
    if (isVersion(command)) {
        r.version = true;
        return r;
    }
    CliOptions& o = r.options;
    const CommandInfo* info = nullptr;
    for (const CommandInfo& c : kCommands)
        if (command == c.name) info = &c;
    if (!info)
        return fail(unknown(command.rfind('-', 0) == 0 ? "option" : "command", command,
                            command.rfind('-', 0) == 0 ? optionNames() : commandNames()));
    o.command = info->command;

    std::set<std::string> seen;
    bool havePositional = false;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string name = args[i];
        if (isHelp(name)) {
            r.help = true;
            return r;
        }
        if (isVersion(name)) {
            r.version = true;
            return r;
        }
        if (name == "-q") name = "--quiet";
        if (name == "-v") name = "--verbose";
        if (name.empty() || name[0] != '-') {
            if (havePositional || (o.command != CliCommand::Configure && o.command != CliCommand::Apply))
                return fail("unexpected argument '" + name + "'");
            havePositional = true;
            if (o.command == CliCommand::Apply) {
                o.planPath = name;
                continue;
            }
            auto sn = normaliseSn(name);
            if (!sn) return fail("'" + name + "' is not an SN (12 hexadecimal digits)");
            o.sn = *sn;
            continue;
        }
        std::string value;
        bool inlineValue = false;
        if (const size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            inlineValue = true;
        }
        const OptionInfo* option = name.rfind("--", 0) == 0 ? findOption(name) : nullptr;
        if (!option) return fail(unknown("option", name, optionNames()));
        if ((option->commands & infoOf(o.command).bit) == 0)
            return fail(name + " does not go with " + infoOf(o.command).name);
        if (!option->repeatable && !seen.insert(name).second) return fail(name + " given twice");
        if (!option->takesValue) {
            if (inlineValue) return fail(name + " takes no value");
        } else if (!inlineValue) {
            if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0)
                return fail(name + " needs a value");
            value = args[++i];
        }
        if (std::string e = apply(o, name, value); !e.empty()) return fail(e);
    }
    if (o.command == CliCommand::Configure && !havePositional) return fail("configure needs the board's SN");
    if (o.command == CliCommand::Apply && !havePositional) return fail("apply needs the plan file");
    if (std::string e = crossCheck(o); !e.empty()) return fail(e);
    r.ok = true;
    return r;
}
