#pragma once
// The auto-configure pass as one state machine: what each input does in each phase, and what
// the dialog shows for it. Pure: the dialog gathers the facts, shows the step and carries out
// its action.
#include <cstdint>
#include <string>

#include "ui/entry_rules.h"

enum class PassPhase {
    Ready,         // entries may be changed; Cancel closes
    Finding,       // the find phase of "Find and Configure all devices" runs
    Configuring,   // the batch runs
    Closed,
};

enum class PassInput {
    FindChosen,       // "Configure All" with accepted entries; the boards of a fresh find
    ListedChosen,     // "Configure All" with accepted entries; the listed or selected boards
    Refused,          // the entries were refused, or an operation could not start
    FindEnded,        // the find phase's final event
    BatchEnded,       // the batch worked through its boards
    BatchCancelled,   // the batch was aborted, or could not open the port
    Cancel,           // Cancel, Esc or the close box
};

// What the dialog knows when the input comes.
struct PassFacts {
    std::string networkFailure;              // why nothing reached a board; empty when nothing failed
    int32_t boards = 0;                      // boards the batch would take
    RuleVerdict range{true, "", ""};         // the start address for that many boards
    int32_t configured = 0;                  // boards the running batch has configured
};

struct PassState {
    PassPhase phase = PassPhase::Ready;
    bool cancelAsked = false;   // Cancel while busy: close once the operation has ended
};

enum class PassAction { None, StartFind, StartBatch, Stop, Close };

struct PassStep {
    PassState state;
    PassAction action = PassAction::None;
    bool completed = false;            // with Close: the pass configured its boards
    const char* status = nullptr;      // the status line; null leaves it
    const char* phaseText = nullptr;   // the phase line; null leaves it
    const char* message = nullptr;     // a message box to show (it may point into the facts); null for none
    const char* caption = nullptr;
};

// An input that does not belong to the phase (a late event, a second press) changes nothing.
PassStep passStep(PassState state, PassInput input, const PassFacts& facts);
