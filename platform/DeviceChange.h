#pragma once
// Arrival and removal of HID devices, posted to a window as WM_DEVICECHANGE (platform/MessageIds.h)
// with wParam DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE and lParam a ticket for the device
// path. A posted message carries only numbers, so the path waits here until the handler takes it
// with TakeDeviceChangePath. The hot-plug monitor posts these, and so does the emulated HID
// backend of the tests.
#include <optional>
#include <string>

#include "platform/Message.h"

constexpr WPARAM DBT_DEVICEARRIVAL = 0x8000;
constexpr WPARAM DBT_DEVICEREMOVECOMPLETE = 0x8004;

// Posts the change; false (and nothing kept) when the window does not take it.
bool PostDeviceChange(WndHandle hWnd, WPARAM event, const std::string& strPath);

// The path of a posted change, once; nullopt for an unknown or already taken ticket. Only the
// most recent changes are kept, so tickets of messages that never reached a handler do not pile up.
std::optional<std::string> TakeDeviceChangePath(LPARAM ticket);
