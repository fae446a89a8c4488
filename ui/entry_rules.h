#pragma once
// The rules that check what the user typed before anything is sent to a board. The check*
// functions only decide; CheckIdEntry and CheckAddressRange also tell the user why an entry
// fails, in a message box owned by the dialog that asked.
#include <cstdint>
#include <string>

#include "view/dialog_view.h"

struct RuleVerdict {
    bool ok;
    const char* message;   // empty when ok
    const char* caption;   // empty when ok
};

// A board ID or ID pattern: no blank, '.', ':', '?' or '/'; 1 to 16 characters.
RuleVerdict checkIdText(const char* text);
// count consecutive addresses from start: a contiguous mask, none of them the network or
// broadcast address, all inside the start's network.
RuleVerdict checkAddressRangeText(const char* start, const char* mask, int32_t count);

// Why checkAddressRangeText refuses the range, in the addresses' own terms ("10.0.0.0 is the
// network address of 10.0.0.0/24"), for a tool that can say more than the window's text; empty
// when the range passes.
std::string addressRangeReason(const char* start, const char* mask, int32_t count);

// The first sequence number of a batch, as typed: decimal digits only, compared whole with 65535
// (never taken modulo a word size); empty only when the pattern has no '#'. value receives it
// (0 for an empty text).
RuleVerdict checkSequenceText(const std::string& text, bool patternHasHash, int32_t& value);

bool CheckIdEntry(const char* text, DialogView& owner);
bool CheckAddressRange(const char* start, const char* mask, int32_t count, DialogView& owner);
