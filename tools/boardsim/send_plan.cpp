#include "tools/boardsim/send_plan.h"

#include <algorithm>

namespace sim {

std::vector<PlannedSend> planSends(const Reaction& reaction, const SimOptions& options,
                                   std::mt19937& random) {
    std::vector<PlannedSend> plan;
    plan.reserve(reaction.replies.size() + reaction.acks.size());
    for (int board : reaction.replies) plan.push_back(PlannedSend{board, false, 0});
    // Real boards answer after varying delays, so no board is always first or always last; a
    // twin stays ahead of them all.
    if (options.shuffle)
        std::shuffle(plan.begin() + static_cast<std::ptrdiff_t>(reaction.twinReplies), plan.end(), random);
    for (const Ack& a : reaction.acks) plan.push_back(PlannedSend{a.device, true, int64_t{a.delayMs} * 1000});
    std::uniform_int_distribution<int64_t> jitter(0, int64_t{options.jitterMs} * 1000);
    for (size_t k = 0; k < plan.size(); ++k) {
        plan[k].delayUs += static_cast<int64_t>(k) * options.paceUs;
        if (options.jitterMs > 0) plan[k].delayUs += jitter(random);
    }
    return plan;
}

}  // namespace sim
