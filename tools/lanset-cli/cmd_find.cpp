// lanset-cli find: every board that answers, in list order; with --check, what is wrong on the LAN.
#include "tools/lanset-cli/commands.h"
#include "tools/lanset-cli/lan_check.h"

int cmdFind(CliDriver& d) {
    const int status = d.find();
    if (status != kExitOk && status != kExitInterrupted) return status;
    const DeviceList& list = d.session().devices;
    std::vector<DeviceRecord> boards;
    for (int32_t i = 0; i < list.count(); ++i) boards.push_back(*list.at(i));
    if (status == kExitInterrupted)
        d.say("lanset-cli: interrupted; " + std::to_string(boards.size()) + " found so far", Verbosity::Quiet);
    if (!d.options().check) {
        // Never silent: a second answer for an SN may be a device that poses as the board.
        for (int32_t i = 0; i < list.count(); ++i)
            if (std::string twin = otherAnswersProblem(list, i); !twin.empty())
                d.say("lanset-cli: warning: " + twin, Verbosity::Quiet);
        d.printBoards(boards);
        return status;
    }
    const auto problems = lanProblems(list, d.interfaces());
    d.out() << formatCheckedBoards(boards, problems, d.options().format) << std::flush;
    size_t troubled = 0;
    for (const auto& p : problems) troubled += p.empty() ? 0 : 1;
    d.say(troubled == 0 ? "No problems found"
                        : std::to_string(troubled) + (troubled == 1 ? " board has" : " boards have") + " problems",
          troubled == 0 ? Verbosity::Normal : Verbosity::Quiet);
    if (status != kExitOk) return status;
    return troubled == 0 ? kExitOk : kExitFailed;
}
