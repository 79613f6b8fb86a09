#pragma once
// The active music input: one value for the whole program (g_nCurInput, mirrored in
// InputSettings::m_byInput), the input the music input page shows and edits and the processor
// plays. It changes on the music input page (a select button, a connector of its strip, an AUX
// mode), on the level and delay page, with the main view's quick buttons, by a processor's
// status report and by loaded data. Every change goes through the functions here: the globals
// change together, the mixer source is checked against the new input (CInputSourceTable), and
// the caller learns what to send and whom to tell. The main view runs them for the pages
// (IPageHost::SelectActiveInput, IPageHost::SelectInputMode) and for itself.
//
// Bytes from the processor or a file are not trusted: an input outside 0-5 or an AUX mode
// outside 0-2 never becomes the active one (the byte received stays in InputSettings), and a
// mixer-source byte outside 0-5 counts as off in the table (the byte stays too).
//
// The globals are the link worker's as well: callers hold g_csLink.
#include <cstdint>

// AUX modes (InputSettings::m_byInputMode, g_nInputMode): 0 2 CH, six inputs; 1 4CH 2CH, five
// (AUX1 and AUX2 together are input 3, AUX3 input 4); 2 6 CH, four (AUX1-AUX3 are input 3).
constexpr int INPUT_MODES = 3;

// Who chose the active input. Each differs in one thing: a select button or a level-page button
// of the input already active sends no item 2, a connector sends it again, a quick button of the
// input already active does nothing at all.
enum class InputChangeBy { InputButton, InputConnector, LevelPage, QuickSelect };

// What a choice did to the globals and what it asks of the view, in this order: tell the other
// pages (WM_INPUT_SELECTED, wParam bPrevNoInput, lParam nPrevInput), send system item 5 (the
// no-input flag was cleared), send system item 2, drop the status reports queued before.
struct InputChange {
    int bPrevNoInput = 0;      // MasterSettings::m_byNoInput before the choice
    int nPrevInput = 0;        // g_nCurInput before the choice
    bool bNotify = false;      // the choice was taken: the other pages are to be told
    bool bSendMaster = false;  // the no-input flag was set and is now cleared
    bool bInputChanged = false;
    bool bModeChanged = false;
    bool bSendInput = false;
};

bool IsMusicInput(int n);
bool IsInputMode(int n);
// Whether AUX mode nMode has input nInput: mode 0 inputs 0-5, mode 1 inputs 0-4, mode 2 inputs 0-3.
bool IsInputOfMode(int nInput, int nMode);
// The input that stays active when the AUX mode becomes nMode: an input the mode lacks becomes 3.
int InputInMode(int nInput, int nMode);

// A user's choice of input nInput; an input outside 0-5, or one the AUX mode lacks, is refused
// (nothing changes, nothing is to be sent).
InputChange ChooseActiveInput(int nInput, InputChangeBy by);
// The music input page's choice of AUX mode: the active input is brought into the mode's range.
InputChange ChooseInputMode(int nMode);
// Whether a status report naming nInput as the processor's active input is followed: nInput is
// a music input (0-5) other than the active one.
bool IsReportedInputNew(int nInput);
// A status report naming nInput as the processor's active input, with its mixer-source byte.
// True when nInput (0-5) differs from the active one and was taken; nothing is to be sent.
bool FollowReportedInput(int nInput, int nSourceByte);
// After InputSettings was loaded (the processor's item 2, a file): the input and mode it holds
// become the active ones where they are in range, and the source table follows. True when the
// active input or the mode changed.
bool AdoptLoadedInput();
