#pragma once
// Resource and control identifiers of lanset (shared by the .rc file and the code).

#define IDD_MAIN            149
#define IDD_CONFIGURE       150
#define IDD_AUTOCONFIGURE   151
#define IDS_VERSION_PREFIX  902
#define IDR_MAIN_KEYS       149     // the main window's keys (accelerator table)

#ifndef IDOK
#define IDOK                1
#endif
#ifndef IDCANCEL
#define IDCANCEL            2
#endif

// Main window
#define IDC_STOP_FIND       3
#define IDC_DEVICE_LIST     1013
#define IDC_FIND            1015
#define IDC_CONFIGURE       1016
#define IDC_AUTO_CONFIGURE  1017
#define IDC_STATUS_LABEL    1059
#define IDC_STATUS          1060

// The board list's commands (its context menu and keys)
#define IDM_LIST_COPY       40001
#define IDM_LIST_SAVE       40002

// Configure dialog
#define IDC_CFG_ID_CHECK        1020
#define IDC_CFG_ID_EDIT         1016
#define IDC_CFG_IP_CHECK        1021
#define IDC_CFG_GATEWAY_CHECK   1023
#define IDC_CFG_CONFIGURE       1025
#define IDC_CFG_DHCP_CHECK      1026
#define IDC_CFG_DHCP_YES        1027
#define IDC_CFG_DHCP_NO         1028

// Auto-configure dialog
#define IDC_AUTO_ID_CHECK       1039
#define IDC_AUTO_IP_CHECK       1040
#define IDC_AUTO_GATEWAY_CHECK  1044
#define IDC_AUTO_DHCP_CHECK     1045
#define IDC_AUTO_PATTERN        1046
#define IDC_AUTO_SEQUENCE       1047
#define IDC_AUTO_DHCP_YES       1050
#define IDC_AUTO_DHCP_NO        1051
#define IDC_AUTO_CONFIGURE_ALL  1052
#define IDC_AUTO_MODE_SELECTED  1053
#define IDC_AUTO_MODE_ALL       1054
#define IDC_AUTO_MODE_FIND      1055
#define IDC_AUTO_PHASE          1061
#define IDC_AUTO_SEQUENCE_LABEL 1063
#define IDC_AUTO_MASK_LABEL     1064

// The IP address controls (SysIPAddress32) of both configuration dialogs: the address (the start
// address when auto-configuring), the mask and the gateway.
#define IDV_IP_ADDRESS      9001
#define IDV_SUBNET_MASK     9002
#define IDV_GATEWAY         9003
