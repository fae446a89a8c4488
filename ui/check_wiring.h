#pragma once
// What the configuration dialogs' check boxes and DHCP choice do to their other controls, the
// same in both dialogs.
#include <array>
#include <span>

#include "view/dialog_view.h"

// A check box and the controls that are enabled exactly while it is checked.
struct CheckWiring {
    int check;
    std::array<int, 3> controls;   // 0 ends the list
};

// When id is one of the table's check boxes, enables its controls as the box now stands and
// returns true.
bool followCheck(DialogView& view, std::span<const CheckWiring> table, int id);

// DHCP "Yes": a board on DHCP gets no fixed address, so the address, the mask and their check
// box are disabled. "No": the check box is enabled again, and the address and mask with it when
// it is checked.
void followDhcpChoice(DialogView& view, bool yes, int addressCheck);
