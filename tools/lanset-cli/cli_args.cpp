#include "tools/lanset-cli/cli_args.h"

#include <cctype>
#include <charconv>
#include <set>

namespace {

constexpr int kMaxRetries = 1000;
constexpr size_t kMaxSelected = 256;   // the batch works through at most this many boards

struct OptionInfo {
    const char* name;
    bool find, configure, autoCmd;
    bool repeatable;
};

constexpr OptionInfo kOptions[] = {
    {"--format", true, true, true, false},
    {"--id", false, true, false, false},
    {"--pattern", false, false, true, false},
    {"--sequence", false, false, true, false},
    {"--ip", false, true, true, false},
    {"--mask", false, true, true, false},
    {"--gateway", false, true, true, false},
    {"--dhcp", false, true, true, false},
    {"--sn", false, false, true, true},
    {"--on-missing", false, false, true, false},
    {"--retries", false, true, true, false},
    {"--adapter", true, true, true, true},
};

const OptionInfo* findOption(const std::string& name) {
    for (const OptionInfo& s : kOptions)
        if (name == s.name) return &s;
    return nullptr;
}

bool allowed(const OptionInfo& s, CliCommand c) {
    return c == CliCommand::Find ? s.find : c == CliCommand::Configure ? s.configure : s.autoCmd;
}

const char* commandName(CliCommand c) {
    return c == CliCommand::Find ? "find" : c == CliCommand::Configure ? "configure" : "auto";
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
        if (value == "abort") o.onMissing = OnMissing::Abort;
        else if (value == "ignore") o.onMissing = OnMissing::Ignore;
        else return "--on-missing: abort or ignore";
    } else if (name == "--adapter") {
        if (value.empty()) return "--adapter: the name or address of a network adapter";
        o.adapters.push_back(value);
    } else if (name == "--retries") {
        int n = 0;
        auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
        if (ec != std::errc() || p != value.data() + value.size() || n < 0 || n > kMaxRetries)
            return "--retries: a number from 0 to " + std::to_string(kMaxRetries);
        o.retries = n;
    }
    return {};
}

std::string crossCheck(const CliOptions& o) {
    if (o.ip.has_value() != o.mask.has_value()) return "--ip and --mask go together";
    if (o.ip && o.dhcp == true)
        return "--dhcp on and --ip exclude each other: a board on DHCP gets no fixed address";
    if (o.sequence && !o.pattern) return "--sequence needs --pattern";
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
           "  lanset-cli find [--format table|csv|json] [--adapter NAME|ADDRESS]...\n"
           "  lanset-cli configure SN [--id ID] [--ip IP --mask MASK] [--gateway GW]\n"
           "                      [--dhcp on|off] [--retries N] [--format table|csv|json]\n"
           "                      [--adapter NAME|ADDRESS]...\n"
           "  lanset-cli auto [--pattern P [--sequence N]] [--ip START --mask MASK]\n"
           "                  [--gateway GW] [--dhcp on|off] [--sn SN]...\n"
           "                  [--on-missing abort|ignore] [--retries N] [--format table|csv|json]\n"
           "                  [--adapter NAME|ADDRESS]...\n"
           "\n"
           "find       lists the boards on the local network (progress on stderr).\n"
           "configure  finds, then sends the board with hardware address SN the settings\n"
           "           given; the others stay as they are on the board.\n"
           "auto       finds, then configures the boards named by --sn (in list order), or\n"
           "           every board found: IDs from the pattern ('#' = running number from\n"
           "           --sequence, default 1; '%' = characters of the SN), consecutive\n"
           "           addresses from START.\n"
           "configure and auto print the boards they configured, as they now stand.\n"
           "--retries N  further rounds of ten attempts for a board that does not answer.\n"
           "--on-missing  what a pass does after such a board: abort (default) or ignore.\n"
           "--adapter  send only out of this network adapter (by name or address); may be\n"
           "           repeated. Without it, every adapter that can broadcast is used.\n"
           "JSON output also gives each board the address of the adapter it answered on.\n"
           "Exit status: 0 done; 1 a board did not answer, was not found, or the network\n"
           "could not be opened; 2 bad usage or a refused entry (nothing sent); 130 interrupted.\n";
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
    if (args.empty()) return fail("no command");
    const std::string& command = args[0];
    if (command == "-h" || command == "--help" || command == "help") {
        r.help = true;
        return r;
    }
    CliOptions& o = r.options;
    if (command == "find") o.command = CliCommand::Find;
    else if (command == "configure") o.command = CliCommand::Configure;
    else if (command == "auto") o.command = CliCommand::Auto;
    else return fail("unknown command '" + command + "'");

    std::set<std::string> seen;
    bool haveSn = false;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string name = args[i];
        if (name == "-h" || name == "--help") {
            r.help = true;
            return r;
        }
        if (name.rfind("--", 0) != 0) {
            if (o.command != CliCommand::Configure || haveSn)
                return fail("unexpected argument '" + name + "'");
            auto sn = normaliseSn(name);
            if (!sn) return fail("'" + name + "' is not an SN (12 hexadecimal digits)");
            o.sn = *sn;
            haveSn = true;
            continue;
        }
        std::string value;
        bool inlineValue = false;
        if (const size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            inlineValue = true;
        }
        const OptionInfo* info = findOption(name);
        if (!info) return fail("unknown option " + name);
        if (!allowed(*info, o.command))
            return fail(name + " does not go with " + commandName(o.command));
        if (!info->repeatable && !seen.insert(name).second) return fail(name + " given twice");
        if (!inlineValue) {
            if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0)
                return fail(name + " needs a value");
            value = args[++i];
        }
        if (std::string e = apply(o, name, value); !e.empty()) return fail(e);
    }
    if (o.command == CliCommand::Configure && !haveSn) return fail("configure needs the board's SN");
    if (std::string e = crossCheck(o); !e.empty()) return fail(e);
    r.ok = true;
    return r;
}
