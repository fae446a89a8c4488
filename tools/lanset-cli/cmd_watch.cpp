// lanset-cli watch: discovery cycles one after another, a line when a board appears, changes
// or is gone; Ctrl-C, or --count boards present, ends it.
#include <ctime>

#include "tools/lanset-cli/board_watch.h"
#include "tools/lanset-cli/commands.h"
#include "tools/lanset-cli/lan_check.h"

int cmdWatch(CliDriver& d) {
    const CliOptions& o = d.options();
    BoardWatch watch;
    const int status = d.watch([&](const DeviceList& answered) {
        for (const WatchEvent& e : watch.cycle(answered)) d.emit(watchLine(e, o.format, std::time(nullptr)));
        return o.count == 0 || watch.present() < static_cast<size_t>(o.count);
    });
    // Ctrl-C is how a watch ends.
    return status == kExitInterrupted ? kExitOk : status;
}
