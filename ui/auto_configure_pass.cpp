#include "ui/auto_configure_pass.h"

#include "ui/window_texts.h"

namespace {

PassStep ready(PassStep step) {
    step.state = PassState{};
    return step;
}

PassStep closing(bool completed, const char* status) {
    PassStep step;
    step.state.phase = PassPhase::Closed;
    step.action = PassAction::Close;
    step.completed = completed;
    step.status = status;
    return step;
}

// The batch over the boards the pass takes, or why there is none.
PassStep batch(const PassFacts& facts) {
    PassStep step;
    if (facts.boards <= 0) {
        step.phaseText = "Done.";
        step.message = kNoBoardsText;
        step.caption = "Alert";
        return ready(step);
    }
    if (!facts.range.ok) {
        step.message = facts.range.message;
        step.caption = facts.range.caption;
        return ready(step);
    }
    step.state.phase = PassPhase::Configuring;
    step.action = PassAction::StartBatch;
    step.phaseText = "Configuring...";
    return step;
}

// An operation ended without completing the pass.
PassStep unfinished(PassState state, const PassFacts& facts) {
    if (!facts.networkFailure.empty() && !state.cancelAsked) {
        // Nothing reached a board: say why and stay open with the entries as typed.
        PassStep step;
        step.message = facts.networkFailure.c_str();
        step.caption = "Error";
        step.phaseText = "Ready";
        return ready(step);
    }
    return closing(false, "Canceling...");
}

}  // namespace

PassStep passStep(PassState state, PassInput input, const PassFacts& facts) {
    PassStep unchanged;
    unchanged.state = state;
    const PassPhase phase = state.phase;
    const bool busy = phase == PassPhase::Finding || phase == PassPhase::Configuring;

    switch (input) {
    case PassInput::FindChosen: {
        if (phase != PassPhase::Ready) return unchanged;
        PassStep step;
        step.state.phase = PassPhase::Finding;
        step.action = PassAction::StartFind;
        step.phaseText = "Discovering...";
        return step;
    }
    case PassInput::ListedChosen:
        return phase == PassPhase::Ready ? batch(facts) : unchanged;
    case PassInput::Refused:
        return phase == PassPhase::Closed ? unchanged : ready(PassStep{});
    case PassInput::FindEnded:
        if (phase != PassPhase::Finding) return unchanged;
        if (state.cancelAsked) return closing(false, nullptr);
        if (!facts.networkFailure.empty()) return unfinished(state, facts);
        return batch(facts);
    case PassInput::BatchEnded:
        if (phase != PassPhase::Configuring) return unchanged;
        if (!facts.networkFailure.empty()) return unfinished(state, facts);
        if (facts.configured > 0) return closing(true, "Auto Configuration complete");
        // Every board was skipped: nothing to report as done.
        if (state.cancelAsked) return unfinished(state, facts);
        {
            PassStep step;
            step.phaseText = "Done.";
            step.status = "No device configured";
            return ready(step);
        }
    case PassInput::BatchCancelled:
        return phase == PassPhase::Configuring ? unfinished(state, facts) : unchanged;
    case PassInput::Cancel: {
        if (phase == PassPhase::Ready) return closing(false, nullptr);
        if (!busy) return unchanged;
        PassStep step;
        step.state = {phase, true};
        step.action = PassAction::Stop;
        step.status = "Auto Configuration canceled";
        return step;
    }
    }
    return unchanged;
}
