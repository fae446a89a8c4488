// lanset-cli find: every board that answers, in list order.
#include "tools/lanset-cli/commands.h"

int cmdFind(CliDriver& d) {
    const int status = d.find();
    if (status != kExitOk && status != kExitInterrupted) return status;
    std::vector<int32_t> all(static_cast<size_t>(d.session().devices.count()));
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int32_t>(i);
    if (status == kExitInterrupted)
        d.say("lanset-cli: interrupted; " + std::to_string(all.size()) + " found so far", Verbosity::Quiet);
    d.printListed(all);
    return status;
}
