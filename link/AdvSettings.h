#pragma once
// What the main view and the link call on the advanced settings dialog while it is open. The
// dialog is a wx window built elsewhere; this interface lets the link be built and tested without
// it. Every operation runs on the UI thread.

// The Advanced settings dialog, while it is open (g_pAdvDlg).
class IAdvSettings {
public:
    virtual ~IAdvSettings() = default;
    // Refills every control from the device-state values (after a preset reply).
    virtual void ReloadFromDevice() = 0;
    // Shows the current input source on the source button (after a status reply).
    virtual void UpdateSourceButton() = 0;
    // Enables the load-factory-defaults button: 1 when the worker starts, 0 when it stops.
    virtual void EnableLoadDefault(int bEnable) = 0;
    // Refills the network fields from the endpoint, keeps the port, disables Apply.
    virtual void ReloadNetwork() = 0;
};

// The Advanced dialog while it is open, else none. UI thread only.
extern IAdvSettings* g_pAdvDlg;
