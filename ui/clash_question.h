#pragma once
// What a window asks before it sends settings that would clash: two boards on one address or
// with one ID, a gateway outside its subnet. The checks are lanset-cli's (ui/pass_checks); a
// window does not refuse, it asks, and the technician may mean it.
#include <string>
#include <vector>

#include "net/device_list.h"
#include "view/dialog_view.h"

// Every board of the list, in list order.
std::vector<const DeviceRecord*> listedBoards(const DeviceList& devices);

// Whether a gateway sent with wanted can be judged: the board is to hold a known address (it
// gets none by DHCP, and one on DHCP may report 0.0.0.0 until it has a lease).
bool gatewayJudged(const DeviceRecord& found, const DeviceRecord& wanted);

// The question for what the checks said (each a phrase of checkPass or patternFault): one
// sentence a line, then whether to send it all the same.
std::string clashQuestionText(const std::vector<std::string>& clashes);

// Asks in a "Warning" box, No the default; true when nothing clashes or the user said Yes.
bool sendDespiteClashes(DialogView& view, const std::vector<std::string>& clashes);
