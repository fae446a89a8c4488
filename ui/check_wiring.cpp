#include "ui/check_wiring.h"

#include "ui/resource.h"

bool followCheck(DialogView& view, std::span<const CheckWiring> table, int id) {
    for (const CheckWiring& wiring : table) {
        if (wiring.check != id) continue;
        const bool on = view.isChecked(id);
        for (int control : wiring.controls)
            if (control != 0) view.enable(control, on);
        return true;
    }
    return false;
}

void followDhcpChoice(DialogView& view, bool yes, int addressCheck) {
    if (yes) {
        view.enable(IDV_IP_ADDRESS, false);
        view.enable(IDV_SUBNET_MASK, false);
        view.enable(addressCheck, false);
        return;
    }
    view.enable(addressCheck, true);
    if (view.isChecked(addressCheck)) {
        view.enable(IDV_IP_ADDRESS, true);
        view.enable(IDV_SUBNET_MASK, true);
    }
}
