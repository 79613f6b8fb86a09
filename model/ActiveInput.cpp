#include "model/ActiveInput.h"

#include "model/DataDefine.h"
#include "model/InputSourceTable.h"

namespace {
// The last input each AUX mode has.
constexpr int kLastInputOfMode[INPUT_MODES] = {5, 4, 3};
// The input a mode falls back on: AUX1 (or the AUX group).
constexpr int kAuxGroupInput = 3;

void StoreActiveInput(int nInput)
{
    g_nCurInput = nInput;
    g_inputSettings.SetField(&InputSettings::m_byInput, static_cast<BYTE>(nInput));
}

// Step one of every choice: what the other pages are told, and the no-input flag cleared.
InputChange BeginChoice()
{
    InputChange change;
    change.bPrevNoInput = g_masterSettings.Get().m_byNoInput;
    change.nPrevInput = g_nCurInput;
    change.bNotify = true;
    if (g_masterSettings.Get().m_byNoInput != 0) {
        g_masterSettings.SetField(&MasterSettings::m_byNoInput, 0);
        change.bSendMaster = true;
    }
    return change;
}
}  // namespace

bool IsMusicInput(int n)
{
    return n >= 0 && n < MUSIC_CHANNELS;
}

bool IsInputMode(int n)
{
    return n >= 0 && n < INPUT_MODES;
}

bool IsInputOfMode(int nInput, int nMode)
{
    return IsMusicInput(nInput) && IsInputMode(nMode) && nInput <= kLastInputOfMode[nMode];
}

int InputInMode(int nInput, int nMode)
{
    return IsInputOfMode(nInput, nMode) ? nInput : kAuxGroupInput;
}

InputChange ChooseActiveInput(int nInput, InputChangeBy by)
{
    if (!IsInputOfMode(nInput, g_nInputMode))
        return {};
    if (by == InputChangeBy::QuickSelect && nInput == g_nCurInput)
        return {};
    InputChange change = BeginChoice();
    if (nInput == g_nCurInput && by != InputChangeBy::InputConnector)
        return change;
    change.bInputChanged = nInput != g_nCurInput;
    StoreActiveInput(nInput);
    KeepInputSourceOffered();
    change.bSendInput = true;
    return change;
}

InputChange ChooseInputMode(int nMode)
{
    if (!IsInputMode(nMode))
        return {};
    InputChange change = BeginChoice();
    if (nMode == g_nInputMode)
        return change;
    g_nInputMode = nMode;
    g_inputSettings.SetField(&InputSettings::m_byInputMode, static_cast<BYTE>(nMode));
    change.bModeChanged = true;
    const int nInput = InputInMode(g_nCurInput, nMode);
    change.bInputChanged = nInput != g_nCurInput;
    StoreActiveInput(nInput);
    KeepInputSourceOffered();
    change.bSendInput = true;
    return change;
}

bool IsReportedInputNew(int nInput)
{
    return IsMusicInput(nInput) && nInput != g_nCurInput;
}

bool FollowReportedInput(int nInput, int nSourceByte)
{
    if (!IsReportedInputNew(nInput))
        return false;
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 0);
    g_inputSettings.SetField(&InputSettings::m_bySource, static_cast<BYTE>(nSourceByte));
    g_inputSourceTable.SelectRow(nInput, g_nInputMode);
    g_inputSourceTable.m_nSource = SourceFromByte(g_inputSettings.Get().m_bySource);
    StoreActiveInput(nInput);
    return true;
}

bool AdoptLoadedInput()
{
    bool bChanged = false;
    if (IsInputMode(g_inputSettings.Get().m_byInputMode) && g_inputSettings.Get().m_byInputMode != g_nInputMode) {
        g_nInputMode = g_inputSettings.Get().m_byInputMode;
        bChanged = true;
    }
    if (IsMusicInput(g_inputSettings.Get().m_byInput) && g_inputSettings.Get().m_byInput != g_nCurInput) {
        g_nCurInput = g_inputSettings.Get().m_byInput;
        bChanged = true;
    }
    g_inputSourceTable.SelectRow(g_nCurInput, g_nInputMode);
    g_inputSourceTable.m_nSource = SourceFromByte(g_inputSettings.Get().m_bySource);
    return bChanged;
}
