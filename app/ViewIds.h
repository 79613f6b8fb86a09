#pragma once
// The main view's control ids and the commands of its pop-up menus, shared by the view's parts.

// The form's template, and its controls.
enum : int {
    IDD_VIEW = 101,
    IDC_LOGO = 2828,
    IDC_INPUT_HILEVEL = 2826,
    IDC_INPUT_AUX = 2818,
    IDC_INPUT_PHONE = 2827,
    IDC_LINK_LAMP = 2776,
    IDC_MINIMIZE = 2772,
    IDC_CLOSE = 2773,
    IDC_PRESET_NAME = 2770,
    IDC_PAGE_OUTPUT = 2561,
    IDC_PAGE_INPUT = 2562,
    IDC_PAGE_LEVEL = 2563,
    IDC_MODE1 = 2066,
    IDC_NAME_EDIT = 1002,
    IDC_PRESET_MENU = 8801,
    IDC_TOOLS_MENU = 8802,
    IDC_SYSTEM = 8803,
    IDC_REPORT = 8804,
    IDC_CONNECT = 1413,
    IDC_PROGRESS = 1414,
    IDC_TAB = 1368,
};

// Commands of the pop-ups.
enum : int {
    ID_LOAD_DEVICE_PRESET = 720,
    ID_SAVE_DEVICE_PRESET = 721,
    ID_DELETE_DEVICE_PRESET = 722,
    ID_LOAD_PRESET_FILE = 723,
    ID_LOAD_ALL_PRESETS = 724,
    ID_SAVE_PRESET_FILE = 725,
    ID_SAVE_ALL_PRESETS = 726,
    ID_FIRMWARE_UPDATE = 727,
    ID_ADVANCED = 728,
    ID_LANGUAGE = 729,
    ID_HELP = 730,
    ID_ABOUT = 731,
    ID_CONNECT_USB = 732,
    ID_CONNECT_NETWORK = 733,
    // The choice between several processors.
    ID_USB_FIRST = 6600,
    ID_USB_LAST = 6700,
};
