#pragma once
// The IP address controls (SysIPAddress32) that the configuration dialogs place themselves.
#include <windows.h>

#include "view/win32/win32_dialog_view.h"

// Makes the three controls of dialog templateId as children of the view's dialog and
// registers them under IDV_IP_ADDRESS, IDV_SUBNET_MASK and IDV_GATEWAY. Templates without
// address controls get none.
void createAddressControls(Win32DialogView& view, HINSTANCE instance, int templateId);
