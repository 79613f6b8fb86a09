// The output page's whole-EQ commands: bypass-all and its restore, the PEQ/GEQ conversion and
// the reset of every band. COutputEqCommand asks and acts on the output the command was started
// for; the page then shows whatever output is current.
#include "controls/EqCurveStatic.h"
#include "controls/XPButton.h"
#include "model/DataDefine.h"
#include "pages/OutputDlg.h"
#include "pages/OutputEqCommand.h"

void COutputDlg::ClearBandSelection()
{
    HighlightBandLabel(0, false);
    HighlightEdit(0, kFreq, false);
    m_graph->m_pActive = nullptr;
    m_graph->Redraw(-1);
}

// A report of the processor may have made another output current while the question was open:
// that output is shown whole; otherwise the columns show what the command did.
void COutputDlg::ShowAfterEqCommand(int nOutput)
{
    if (nOutput != g_nCurOutput) {
        RefreshChannel();
        return;
    }
    ShowBands();
    UpdateFaderThumbs();
    ClearBandSelection();
}

void COutputDlg::OnAllBypass()
{
    ClearBandSelection();
    const int nOutput = g_nCurOutput;
    COutputEqCommand(*m_pData, *m_pView, nOutput).BypassAll(m_btnAllBypass->GetCheck());
    ShowAfterEqCommand(nOutput);
}

void COutputDlg::OnEqModeConvert()
{
    ClearBandSelection();
    const int nOutput = g_nCurOutput;
    if (COutputEqCommand(*m_pData, *m_pView, nOutput).ConvertMode(m_btnEqMode->GetCheck()))
        ShowAfterEqCommand(nOutput);
}

void COutputDlg::OnResetAllEq()
{
    ClearBandSelection();
    const int nOutput = g_nCurOutput;
    if (COutputEqCommand(*m_pData, *m_pView, nOutput).ResetAll())
        ShowAfterEqCommand(nOutput);
}
