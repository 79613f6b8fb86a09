#pragma once
// What the main view and the dialogs of the grid group ask of each other: the manager of the
// presets stored in the processor and the report of the parameters. The dialogs are built with
// the grid; the view runs them through the two entry points below (commands 720-722 run the
// manager). Everything here runs on the UI thread.
class CKTV_Data;
class IPageHost;

// What the manager is opened for.
enum class PresetManagerMode { Load = 0, SaveAs = 1, Delete = 2 };

// The view's operations that the manager calls while it is open.
class IPresetManagerHost {
public:
    virtual ~IPresetManagerHost() = default;
    // Reads stored preset nPreset (1-6, 0 the current one) into the live preset. Before it, the
    // manager copies the stored preset's 16-byte name into the live image's name field.
    virtual void ReadPreset(int nPreset) = 0;
    // Writes the live preset as preset nPreset (0-6); bPackLive packs the data model first.
    virtual void WritePreset(int nPreset, int bPackLive) = 0;
    // Shows the live preset's name; with bSend it also goes to the processor.
    virtual void UpdatePresetName(int bSend) = 0;
    // Sends stored preset nPreset's name and makes the live preset come from no stored slot
    // (after the current preset was deleted).
    virtual void SendPresetNameAndClearCurrent(int nPreset) = 0;
    // Queues a write of system item nItem of preset nPreset (a stored preset's name after its
    // delete) while a link is open.
    virtual void SendSystemItem(int nItem, int nPreset) = 0;
    // Whether a link is open.
    virtual int IsOnline() const = 0;
};

// Runs the stored-preset manager modally for the host. While it is open g_pProgramDlg
// (link/DisplayDlg.h) points to it; the caller sets g_pProgramDlg back to none when this returns.
void RunPresetManager(IPresetManagerHost& host, PresetManagerMode mode);

// Runs the report of the parameters of the data root modally (list, print, spreadsheet export).
// No command of the program opens it.
void RunParameterReport(IPageHost& view, CKTV_Data& data);
