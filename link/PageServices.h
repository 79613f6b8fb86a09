#pragma once
// What the main view and the link call on the pages and dialogs of the input, level and system
// group. The pages are wx windows built elsewhere; these interfaces let the link and the view be
// built and tested without them. Every operation runs on the UI thread.
class CKTV_Data;

// The music-input page.
class IInPutPage {
public:
    virtual ~IInPutPage() = default;
    // Keeps the data root and attaches it to the page's EQ graph in music-input mode; called once
    // before the page is used.
    virtual void AttachData(CKTV_Data* pData) = 0;
    // Loads music input g_nCurInput into the band controls, channel buttons and curve.
    virtual void ShowChannel() = 0;
    // Shows the current input source and presses the option button of the optional inputs.
    virtual void UpdateSourceButtons() = 0;
    // After an all-presets file load: source, options, input-mode layout, channel buttons.
    virtual void RefreshInputControls() = 0;
};

// The level and delay page.
class ILevelDelayPage {
public:
    virtual ~ILevelDelayPage() = default;
    // The eight output meters from status elements 6 to 13: low four bits the lit lamps (0-9),
    // bits 0x10, 0x20 and 0x40 three indicators.
    virtual void UpdateOutputMeters() = 0;
    // Every lamp off (at each disconnect).
    virtual void ClearOutputMeters() = 0;
};

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
