#pragma once
// Resource and control identifiers of plugset (shared by the .rc file and the code).

#define IDD_PLUGSET         101

#ifndef IDCANCEL
#define IDCANCEL            2
#endif

#define IDC_USB_LIST        1000
#define IDC_USB_SERIAL      1001
#define IDC_USB_NAME        1002
#define IDC_USB_RENAME      1003
#define IDC_USB_DETAILS     1004
#define IDC_USB_SERIAL_LABEL 1005
#define IDC_USB_NAME_LABEL  1006

#define REFRESH_TIMER       1025
#define REFRESH_PERIOD_MS   1000
