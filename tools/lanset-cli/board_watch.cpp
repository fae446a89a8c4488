#include "tools/lanset-cli/board_watch.h"

#include "tools/lanset-cli/board_output.h"
#include "ui/board_text.h"
#include "ui/list_export.h"

namespace {

const char* kindText(WatchEvent::Kind kind) {
    switch (kind) {
    case WatchEvent::Kind::Appeared: return "appeared";
    case WatchEvent::Kind::Changed: return "changed";
    case WatchEvent::Kind::Gone: return "gone";
    }
    return "";
}

std::string timeText(std::time_t at, bool utc) {
    char text[32] = {};
    const std::tm* t = utc ? std::gmtime(&at) : std::localtime(&at);
    if (t) std::strftime(text, sizeof text, utc ? "%Y-%m-%dT%H:%M:%SZ" : "%Y-%m-%d %H:%M:%S", t);
    return text;
}

}  // namespace

std::vector<FieldChange> boardChanges(const DeviceRecord& a, const DeviceRecord& b) {
    std::vector<FieldChange> out;
    const auto before = boardValues(a), after = boardValues(b);
    for (size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) out.push_back({kBoardFields[i], before[i], after[i]});
    return out;
}

std::vector<WatchEvent> BoardWatch::cycle(const DeviceList& answered) {
    std::vector<WatchEvent> events;
    std::map<std::string, const DeviceRecord*> now;
    for (int32_t i = 0; i < answered.count(); ++i)
        if (const DeviceRecord* b = answered.at(i)) now[fieldText(b->mac)] = b;
    for (const auto& [sn, board] : now) {
        auto known = boards_.find(sn);
        if (known == boards_.end()) {
            boards_[sn] = Seen{*board, 0};
            events.push_back({WatchEvent::Kind::Appeared, *board, {}});
            continue;
        }
        known->second.missed = 0;
        if (auto changes = boardChanges(known->second.record, *board); !changes.empty()) {
            known->second.record = *board;
            events.push_back({WatchEvent::Kind::Changed, *board, std::move(changes)});
        }
    }
    for (auto it = boards_.begin(); it != boards_.end();) {
        if (now.count(it->first) == 0 && ++it->second.missed >= kGoneAfter) {
            events.push_back({WatchEvent::Kind::Gone, it->second.record, {}});
            it = boards_.erase(it);
        } else {
            ++it;
        }
    }
    return events;
}

std::string watchLine(const WatchEvent& e, OutputFormat format, std::time_t at) {
    const DeviceRecord& b = e.board;
    if (format == OutputFormat::Json) {
        std::string object = boardJson(b);
        object.pop_back();   // its closing brace
        std::string line = "{\"event\": " + jsonText(kindText(e.kind)) + ", \"time\": " + jsonText(timeText(at, true)) +
                           ", " + object.substr(1);
        if (e.kind == WatchEvent::Kind::Changed) {
            std::string changes;
            for (const FieldChange& c : e.changes)
                changes += (changes.empty() ? "" : ", ") + jsonText(c.field) + ": {\"old\": " + jsonText(c.before) +
                           ", \"new\": " + jsonText(c.after) + "}";
            line += ", \"changes\": {" + changes + "}";
        }
        return line + "}\n";
    }
    std::string line = timeText(at, false) + "  " + kindText(e.kind) +
                       std::string(e.kind == WatchEvent::Kind::Gone ? 6 : e.kind == WatchEvent::Kind::Changed ? 3 : 2, ' ') +
                       "SN " + fieldText(b.mac) + "  ID " + printableText(fieldText(b.id)) + "  ";
    if (e.kind == WatchEvent::Kind::Changed) {
        std::string changes;
        for (const FieldChange& c : e.changes)
            changes += (changes.empty() ? "" : ", ") + c.field + " " + printableText(c.before) + " -> " +
                       printableText(c.after);
        return line + changes + "\n";
    }
    line += "IP " + fieldText(b.ip) + "  mask " + fieldText(b.subnet) + "  gateway " + fieldText(b.gateway) +
            "  DHCP " + (b.dhcp ? "on" : "off");
    if (e.kind == WatchEvent::Kind::Gone)
        line += "  (no answer in " + std::to_string(BoardWatch::kGoneAfter) + " cycles)";
    return line + "\n";
}
