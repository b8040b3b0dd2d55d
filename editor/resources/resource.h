// Identifiers of Morvid's own resources: shared by Morvid.rc and the C++ code,
// so it holds preprocessor definitions only.
#ifndef MORVID_RESOURCE_H
#define MORVID_RESOURCE_H

// Dialog templates and their controls.
#define IDD_ABOUT 1000
#define IDC_ABOUT_ICON 1001
#define IDD_DIALOG_LIST 1100
#define IDC_DIALOG_TREE 1101
#define IDD_IDENTIFIERS 1200

// Menus and accelerators.
#define IDR_FRAME_MENU 3000
#define IDR_DIALOG_MENU 3100
#define IDR_ACCELERATORS 3000

// Frame commands (their strings share the numbers).
#define IDM_NEW 3001
#define IDM_OPEN 3002
#define IDM_SAVE 3003
#define IDM_EXIT 3004
#define IDM_ADD_DIALOG 3005
#define IDM_ABOUT 3007
#define IDM_TILE_VERTICAL 3008
#define IDM_TILE_HORIZONTAL 3009
#define IDM_CASCADE 3010
#define IDM_CLOSE_ALL 3011
#define IDM_COPY 3012
#define IDM_IDENTIFIERS 3013
#define IDM_DELETE 3014
#define IDM_UNDO 3015

// Commands of the dialog menu.
#define IDM_TEST 3101
#define IDM_ALIGN_LEFT 3102
#define IDM_ALIGN_TOP 3103
#define IDM_SAME_WIDTH 3104
#define IDM_SAME_HEIGHT 3105
#define IDM_SAME_BOTH 3106
#define IDM_SPREAD_HORIZONTAL 3107
#define IDM_SPREAD_VERTICAL 3108
#define IDM_CENTRE_HORIZONTAL 3109
#define IDM_CENTRE_VERTICAL 3110

// Palette tools: the tool number is the command minus IDM_TOOL_POINTER.
#define IDM_TOOL_POINTER 6000
#define IDM_TOOL_STATIC_TEXT 6001
#define IDM_TOOL_PICTURE 6002
#define IDM_TOOL_PUSH_BUTTON 6003
#define IDM_TOOL_RADIO_BUTTON 6004
#define IDM_TOOL_CHECK_BOX 6005
#define IDM_TOOL_GROUP_BOX 6006
#define IDM_TOOL_EDIT 6007
#define IDM_TOOL_COMBO_BOX 6008
#define IDM_TOOL_LIST_BOX 6009
#define IDM_TOOL_V_SCROLL 6010
#define IDM_TOOL_H_SCROLL 6011
#define IDM_TOOL_UP_DOWN 6012
#define IDM_TOOL_PROGRESS 6013
#define IDM_TOOL_SLIDER 6014

// Icon and toolbar images.
#define IDI_MORVID 4000
#define IDB_MAIN_TOOLBAR 4002
#define IDB_PALETTE 4003

// Control identifiers of the frame's children.
#define IDC_MAIN_TOOLBAR 100
#define IDC_STATUS_BAR 101
#define IDC_PALETTE_TOOLBAR 102
#define IDC_MDI_CLIENT 3244
#define IDM_FIRST_CHILD 10000

// Strings.
#define IDS_TITLE 5000
#define IDS_READY 5001
#define IDS_NEW_PROJECT 5002
#define IDS_OPEN_ERROR 5003
#define IDS_DIALOGS 5004
#define IDS_SAVE_ERROR 5005
#define IDS_DIALOG_MENU 5006
#define IDS_LOAD_ERROR 5007
#define IDS_PROPS_STATIC_TEXT 5100
#define IDS_PROPS_DIALOG 5113
#define IDS_NO_PROPERTIES 5114

#endif
