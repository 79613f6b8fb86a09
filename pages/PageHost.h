#pragma once
// What the pages and dialogs ask of the main view: the commands that change device-state items or
// whole channels, which the view queues at once under the link lock while a link is open, and a
// few services around them. A page edits plain parameters through the data model's setters (the
// link worker sends them later) and everything else through this interface; it never sees the
// view's link objects. Every operation runs on the UI thread.
#include "model/ActiveInput.h"

class IPageHost {
public:
    virtual ~IPageHost() = default;

    // Nonzero while a link to the processor is open.
    virtual int IsOnline() const = 0;

    // A write of the system item (of a stored preset 1-6, or the current preset 0), queued now.
    virtual void SendSystemItem(int nItem, int nPreset = 0) = 0;
    // The worker sends system item 5 (the master settings) or 2 (the input settings) with their
    // current bytes at its next pass; nothing without a link.
    virtual void SetMasterItemPending(int bFlag) = 0;
    virtual void SetSourceItemPending(int bFlag) = 0;

    // The one routine of a user's choice of the active music input (model/ActiveInput.h decides):
    // the pages other than the one that chose are posted WM_INPUT_SELECTED (wParam the no-input
    // flag, lParam the input, both from before the choice; the music input page and the level
    // page tell each other, the quick buttons tell both), system item 5 is sent when the no-input
    // flag was cleared, then item 2, the view's quick buttons follow, and the status reports
    // queued before a change are dropped. The caller shows the result on its own page.
    virtual InputChange SelectActiveInput(int nInput, InputChangeBy by) = 0;
    // The music input page's AUX mode, the same way.
    virtual InputChange SelectInputMode(int nMode) = 0;

    // Whole music-input channels.
    virtual void SendMusicChannelBlock(int nInput) = 0;
    virtual void ResetMusicChannelFreqs(int nInput) = 0;
    // The music input page's source buttons follow the mixer source (when that page is shown).
    virtual void RefreshInputSourceButtons() = 0;

    // Whole outputs, roles, links and the output map.
    virtual void SendOutputChannelBlock(int nOutput) = 0;
    // The bands of output nOutput and of the outputs linked to it back to their defaults; the
    // output page shows its bands again.
    virtual void ResetLinkedOutputFreqs(int nOutput) = 0;
    // Output nOutput's role from the role table with its default crossover (bAll 0), or the roles
    // and crossovers of all outputs (bAll 1).
    virtual void SendOutputRoles(int nOutput, int bAll) = 0;
    // Copies every left/right pair one way (0 left into right, 1 right into left) and links it;
    // nonzero when the current output was a target.
    virtual int LinkOutputPairs(int nDirection) = 0;
    virtual void UnlinkAllOutputs() = 0;
    virtual void PasteOutputChannel(int nSource, int nTarget) = 0;
    // The output-map files: nonzero when read and applied, or written.
    virtual int LoadOutputMapFile() = 0;
    virtual int SaveOutputMapFile() = 0;

    // The connection-failure message of the link type in use.
    virtual void ShowConnectFailure() = 0;
    // Stores the EQ display option and redraws the output page's graph.
    virtual void SaveLineSetting() = 0;
};
