#pragma once
// The boards on a LAN as a watch follows them, cycle by cycle: what appeared (first heard),
// what changed (the fields, old and new), what is gone (no answer in three cycles running).
#include <cstdint>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "net/device_list.h"
#include "tools/lanset-cli/cli_args.h"
#include "tools/lanset-cli/plan_report.h"

struct WatchEvent {
    enum class Kind { Appeared, Changed, Gone };
    Kind kind = Kind::Appeared;
    DeviceRecord board;                 // as it answered last
    std::vector<FieldChange> changes;   // Changed: before and after
};

class BoardWatch {
public:
    static constexpr int kGoneAfter = 3;   // cycles running without an answer

    // One cycle's answers: the list as the cycle left it.
    std::vector<WatchEvent> cycle(const DeviceList& answered);
    size_t present() const { return boards_.size(); }

private:
    struct Seen {
        DeviceRecord record;
        int missed = 0;
    };
    std::map<std::string, Seen> boards_;   // by SN
};

// The fields in which two answers of one board differ: before as a, after as b.
std::vector<FieldChange> boardChanges(const DeviceRecord& a, const DeviceRecord& b);

// One line for an event (a table's line, or one JSON object), at the time given.
std::string watchLine(const WatchEvent& event, OutputFormat format, std::time_t at);
