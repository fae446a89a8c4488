#include "tools/boardsim/sim_options.h"

#include <cctype>
#include <charconv>

#include "tools/boardsim/board_list.h"

namespace sim {
namespace {

// "1300" or "1300:1,4": the number, then the boards it is for (every board without a LIST).
bool parseBoardNumber(const std::string& text, int low, int high, std::vector<BoardNumber>& into) {
    const size_t colon = text.find(':');
    BoardNumber n;
    if (!parseInt(text.substr(0, colon), low, high, n.value)) return false;
    if (colon == std::string::npos) n.boards = BoardList::all();
    else if (!parseBoardList(text.substr(colon + 1), n.boards)) return false;
    into.push_back(std::move(n));
    return true;
}

// "2,5@1.5": the boards, then seconds after the start, to the millisecond.
bool parseBoardTime(const std::string& text, std::vector<BoardTime>& into) {
    const size_t at = text.rfind('@');
    if (at == std::string::npos) return false;
    BoardTime t;
    if (!parseBoardList(text.substr(0, at), t.boards)) return false;
    const std::string seconds = text.substr(at + 1);
    const size_t dot = seconds.find('.');
    const std::string fraction = dot == std::string::npos ? "0" : seconds.substr(dot + 1);
    // Digits only: from_chars would take "-0" for 0.
    if (seconds.empty() || !std::isdigit(static_cast<unsigned char>(seconds[0])) || fraction.empty() ||
        fraction.size() > 3 || !std::isdigit(static_cast<unsigned char>(fraction[0])))
        return false;
    int whole = 0, ms = 0;
    if (!parseInt(seconds.substr(0, dot), 0, 86400, whole) || !parseInt(fraction, 0, 999, ms)) return false;
    for (size_t digits = fraction.size(); digits < 3; ++digits) ms *= 10;
    t.us = (int64_t{whole} * 1000 + ms) * 1000;
    into.push_back(std::move(t));
    return true;
}

}  // namespace

std::string simUsage() {
    return "usage: boardsim [options]\n"
           "Simulated boards answering the board protocol on UDP port 21210.\n"
           "  --boards N             number of boards (1..65536, default 4)\n"
           "  --first-mac HEX        hardware address of board 0; the others count up\n"
           "                         (default 025a00000001)\n"
           "  --reply broadcast|unicast  where replies go (default broadcast)\n"
           "  --jitter MS            delay each reply by a random 0..MS ms (default 0)\n"
           "  --pace-us US           gap between the replies of one burst (default 0)\n"
           "  --burst                every reply to a discovery at once, in batches of\n"
           "                         sendmmsg, as a rack of boards behind one switch answers;\n"
           "                         not with --jitter or --pace-us\n"
           "  --shuffle              answer each discovery in a fresh random order\n"
           "  --no-ack LIST          boards that never acknowledge (and so never apply)\n"
           "  --ignore-first N[:LIST]  each board drops the first N configuration requests\n"
           "                         that name it, as if never heard\n"
           "  --deaf-after-apply MS[:LIST]  for MS ms after applying a request a board hears\n"
           "                         nothing (no reply, no request taken); the\n"
           "                         acknowledgement of the one it applied still goes out\n"
           "  --ack-delay MS[:LIST]  apply a request at once, acknowledge it MS ms later\n"
           "  --appear LIST@S        the boards answer nothing before S seconds after the start\n"
           "                         (to the millisecond: 2@1.5)\n"
           "  --leave LIST@S         the boards answer nothing from S seconds after the start\n"
           "  --twin INDEX           an extra device that answers every discovery before board\n"
           "                         INDEX, with its hardware address but ID TwinINDEX and the\n"
           "                         board's IP plus --boards (past the boards' range), and\n"
           "                         applies and acknowledges every request for that address\n"
           "  --ack-everything       an extra device that acknowledges every configuration\n"
           "                         request, whatever hardware address it names, and applies\n"
           "                         none; it answers from this host's address (no board's)\n"
           "  --shared-address       every board answers from this host's address on the\n"
           "                         interface; by default each answers from its own IP\n"
           "                         (0.0.0.0 on DHCP, by broadcast even with --reply\n"
           "                         unicast), which needs root: without it boardsim says so\n"
           "                         and falls back to this\n"
           "  --log FILE             one line per datagram received, decoded\n"
           "  --ready-file FILE      written once the port is bound\n"
           "  --id-pattern P         initial IDs; a run of '#' takes the board index\n"
           "                         (default Sim####)\n"
           "  --first-ip A.B.C.D     IP address of board 0; the others count up\n"
           "                         (default 192.168.10.101)\n"
           "  --first-index N        board 0 is board N of one larger set: its ID number,\n"
           "                         hardware and IP address count from N (default 0)\n"
           "  --subnet A.B.C.D       (default 255.255.255.0)\n"
           "  --gateway A.B.C.D      (default 192.168.10.1)\n"
           "  --dhcp on|off          (default off)\n"
           "  --echo TEXT            EchoText of every board, at most 15 characters (default sim)\n"
           "  --sndbuf BYTES         socket send buffer (default 16 MiB)\n"
           "  --length-first-byte    put the reply length in byte 0 instead of bytes 0-1\n"
           "  LIST: indexes, hardware addresses, ranges A..B (indexes, inclusive) and\n"
           "  every:K (boards 0, K, 2K, ...), comma-separated. Options with a LIST or an\n"
           "  INDEX may be repeated; without a LIST, N or MS is for every board.\n";
}

SimParse parseSimOptions(const std::vector<std::string>& args) {
    SimParse r;
    SimOptions& o = r.options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            hasValue = true;
        }
        auto take = [&]() -> bool {
            if (hasValue) return true;
            if (i + 1 >= args.size()) return false;
            value = args[++i];
            return true;
        };
        auto fail = [&](const std::string& why) {
            r.error = why;
            return r;
        };
        if (name == "-h" || name == "--help") {
            r.help = true;
            return r;
        }
        if (name == "--length-first-byte" || name == "--burst" || name == "--shuffle" ||
            name == "--ack-everything" || name == "--shared-address") {
            if (hasValue) return fail(name + " takes no value");
            (name == "--burst" ? o.burst : name == "--shuffle" ? o.shuffle
             : name == "--ack-everything" ? o.ackEverything
             : name == "--shared-address" ? o.sharedAddress : o.lengthInFirstByte) = true;
            continue;
        }
        if (!take()) return fail(name + " needs a value");
        if (name == "--boards") {
            if (!parseInt(value, 1, 65536, o.boards)) return fail("--boards: 1 to 65536");
        } else if (name == "--first-index") {
            if (!parseInt(value, 0, 65535, o.firstIndex)) return fail("--first-index: 0 to 65535");
        } else if (name == "--first-mac") {
            auto mac = parseMac(value);
            if (!mac) return fail("--first-mac: 12 hexadecimal digits");
            o.firstMac = *mac;
        } else if (name == "--reply") {
            if (value == "broadcast") o.reply = ReplyMode::Broadcast;
            else if (value == "unicast") o.reply = ReplyMode::Unicast;
            else return fail("--reply: broadcast or unicast");
        } else if (name == "--jitter") {
            if (!parseInt(value, 0, 60000, o.jitterMs)) return fail("--jitter: 0 to 60000 ms");
        } else if (name == "--pace-us") {
            if (!parseInt(value, 0, 1000000, o.paceUs)) return fail("--pace-us: 0 to 1000000");
        } else if (name == "--no-ack") {
            if (!parseBoardList(value, o.noAck)) return fail("--no-ack: a LIST of boards");
        } else if (name == "--ignore-first") {
            if (!parseBoardNumber(value, 1, 1000000, o.ignoreFirst)) return fail("--ignore-first: N[:LIST], N 1 to 1000000");
        } else if (name == "--deaf-after-apply") {
            if (!parseBoardNumber(value, 1, 600000, o.deafAfterApplyMs))
                return fail("--deaf-after-apply: MS[:LIST], MS 1 to 600000");
        } else if (name == "--ack-delay") {
            if (!parseBoardNumber(value, 0, 600000, o.ackDelayMs)) return fail("--ack-delay: MS[:LIST], MS 0 to 600000");
        } else if (name == "--appear" || name == "--leave") {
            if (!parseBoardTime(value, name == "--appear" ? o.appear : o.leave))
                return fail(name + ": LIST@SECONDS, seconds 0 to 86400");
        } else if (name == "--twin") {
            int index = 0;
            if (!parseInt(value, 0, 65535, index)) return fail("--twin: a board index");
            o.twins.push_back(index);
        } else if (name == "--log") {
            o.logPath = value;
        } else if (name == "--ready-file") {
            o.readyPath = value;
        } else if (name == "--id-pattern") {
            if (value.empty() || value.size() > kMaxIdChars) return fail("--id-pattern: 1 to 16 characters");
            o.idPattern = value;
        } else if (name == "--first-ip" || name == "--subnet" || name == "--gateway") {
            auto a = parseIp(value);
            if (!a) return fail(name + ": an address a.b.c.d");
            (name == "--first-ip" ? o.firstIp : name == "--subnet" ? o.subnet : o.gateway) = *a;
        } else if (name == "--dhcp") {
            if (value != "on" && value != "off") return fail("--dhcp: on or off");
            o.dhcp = value == "on";
        } else if (name == "--echo") {
            if (value.size() > kMaxEchoChars || value.find('\0') != std::string::npos)
                return fail("--echo: at most 15 characters");
            o.echoText = value;
        } else if (name == "--sndbuf") {
            if (!parseInt(value, 4096, 1 << 30, o.sendBufferBytes)) return fail("--sndbuf: 4096 to 1 GiB");
        } else {
            return fail("unknown option " + name);
        }
    }
    // A burst leaves at wire speed; a delay per reply would make it something else.
    if (o.burst && (o.jitterMs > 0 || o.paceUs > 0)) {
        r.error = "--burst sends every reply at once: not with --jitter or --pace-us";
        return r;
    }
    for (int twin : o.twins)
        if (twin >= o.boards) {
            r.error = "--twin " + std::to_string(twin) + ": there are only " + std::to_string(o.boards) + " boards";
            return r;
        }
    r.ok = true;
    return r;
}

std::string initialId(const std::string& pattern, int index) {
    const size_t first = pattern.find('#');
    std::string id = pattern;
    if (first != std::string::npos) {
        size_t last = first;
        while (last < pattern.size() && pattern[last] == '#') ++last;
        std::string number = std::to_string(index);
        if (number.size() < last - first) number.insert(0, last - first - number.size(), '0');
        id = pattern.substr(0, first) + number + pattern.substr(last);
    }
    if (id.size() > kMaxIdChars) id.resize(kMaxIdChars);
    return id;
}

std::vector<BoardState> initialBoards(const SimOptions& o) {
    std::vector<BoardState> boards(static_cast<size_t>(o.boards));
    for (int i = 0; i < o.boards; ++i) {
        BoardState& b = boards[static_cast<size_t>(i)];
        const int n = o.firstIndex + i;   // as board n of one larger set
        b.mac = macPlus(o.firstMac, static_cast<uint64_t>(n));
        b.ip = o.firstIp + static_cast<uint32_t>(n);
        b.subnet = o.subnet;
        b.gateway = o.gateway;
        b.dhcp = o.dhcp;
        b.id = initialId(o.idPattern, n);
        b.echoText = o.echoText;
        b.number16 = static_cast<uint16_t>(n);
    }
    return boards;
}

}  // namespace sim
