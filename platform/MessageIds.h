#pragma once
// The program's own window messages, by number. Some numbers serve different windows
// (0x4C8, 0x4CD, 0x52D, 0x591): a handler is bound to (window, number), never to a number alone.

constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_NOTIFY = 0x004E;  // a control tells its parent more than a command: a record in lParam, sent
constexpr unsigned WM_COMMAND = 0x0111;  // a control notifies its parent; on wx a command event (controls/WndMessages.h)
constexpr unsigned WM_TIMER = 0x0113;    // a timer has elapsed (a blocking socket call checks for it)
// A HID device arrived or was removed: wParam DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE,
// lParam a ticket for the device path (platform/DeviceChange.h). Posted to the main view.
constexpr unsigned WM_DEVICECHANGE = 0x0219;

// Controls to their parents.
constexpr unsigned WM_SKIN_UNCHECK = 0x410;
constexpr unsigned WM_EQCURVE_CHANGED = 0x464;
constexpr unsigned WM_EQCURVE_KILLFOCUS = 0x465;
constexpr unsigned WM_FOCUS_BAND_EDIT = 0x466;
constexpr unsigned WM_BUTTON_REPEAT = 0x52D;
constexpr unsigned WM_BUTTON_HOVER = 0x65A;
constexpr unsigned WM_NUMEDIT_KEY = 0x6BC;
constexpr unsigned WM_EDIT_NEXT_ROW = 0x6BD;
constexpr unsigned WM_DROPLIST_SELECT = 0x722;
constexpr unsigned WM_NUMSPIN_DELTA = 0x84C;
constexpr unsigned WM_SLIDER_MOVING = 0x28D1;
constexpr unsigned WM_SLIDER_MOVED = 0x28D2;

// A control's own messages.
constexpr unsigned PBM_SETPOS = WM_USER + 2;  // progress bar: new position (repaint)
constexpr unsigned WM_SETTEXT = 0x000C;        // a static's new text, stored beside the message by its poster

// Device notifications to the main view.
constexpr unsigned WM_PRESET_RECEIVED = 0x46E;
constexpr unsigned WM_ALL_PRESETS_RECEIVED = 0x46F;
constexpr unsigned WM_DEVICE_SETTINGS_RECEIVED = 0x470;
constexpr unsigned WM_STATUS_RECEIVED = 0x471;
// The effect takes the live image's effect block again; the view handles it, nothing posts it.
constexpr unsigned WM_EFFECT_REFRESH = 0x477;
// Handled by the view, which does nothing with it; nothing posts it.
constexpr unsigned WM_NOTHING_478 = 0x478;
constexpr unsigned WM_TRANSFER_DONE = 0x496;
constexpr unsigned WM_UPDATE_FINISHED = 0x497;
constexpr unsigned WM_LINK_FAILED = 0x49A;
constexpr unsigned WM_AUTO_CONNECT = 0x49C;
constexpr unsigned WM_NET_CONNECTED = 0x49D;
constexpr unsigned WM_LINK_LOST = 0x49E;
constexpr unsigned WM_DEVICE_FAULT = 0x4A0;
constexpr unsigned WM_VERSION_RECEIVED = 0x4A1;
constexpr unsigned WM_PRESET_MODIFIED = 0x4A2;
constexpr unsigned WM_WIFI_RESET_DONE = 0x52C;
constexpr unsigned WM_SHOW_LEVEL_PAGE = 0x52D;
constexpr unsigned WM_NET_AVAILABLE = 0x5F4;

// Firmware update dialog.
constexpr unsigned WM_UPDATE_RECONNECT = 0x4C8;

// Pages, strips and dialogs.
constexpr unsigned WM_SELECT_OUTPUT = 0x4C8;
constexpr unsigned WM_SET_SPEAKER_ROLE = 0x4CB;
constexpr unsigned WM_STRIP_COPY = 0x4CC;
constexpr unsigned WM_STRIP_PASTE = 0x4CD;
constexpr unsigned WM_COPY_CHANNEL = 0x4CD;
constexpr unsigned WM_PRESET_SAVE_AS = 0x590;
constexpr unsigned WM_PRESET_LOAD = 0x591;
constexpr unsigned WM_SELECT_INPUT = 0x591;
constexpr unsigned WM_PRESET_DELETE = 0x592;
constexpr unsigned WM_DEVICE_INPUT_CHANGED = 0x658;
constexpr unsigned WM_INPUT_SELECTED = 0x659;
