#include "link/LockDataDlg.h"

#include <wx/textctrl.h>

#include "model/StdAfx.h"

CLockDataDlg* g_pMonitorDlg = nullptr;

namespace {
constexpr int kTemplate = 109;
constexpr int kWriteLog = 1221;
constexpr int kReadLog = 1024;
constexpr int kClear = 1222;
}  // namespace

CLockDataDlg::CLockDataDlg() : CTemplateDialog(kTemplate)
{
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnClear(); }, WxId(kClear));
}

bool CLockDataDlg::OnInitDialog()
{
    m_pWriteLog = dynamic_cast<wxTextCtrl*>(GetDlgItem(kWriteLog));
    m_pReadLog = dynamic_cast<wxTextCtrl*>(GetDlgItem(kReadLog));
    return true;
}

void CLockDataDlg::OnClear()
{
    m_pWriteLog->Clear();
    m_pReadLog->Clear();
}

void CLockDataDlg::ShowCleared()
{
    OnClear();
    Show();
}

void CLockDataDlg::Append(wxTextCtrl* pLog, const wxString& strText, bool bTimestamp, bool bNewLine)
{
    wxString strLog = pLog->GetValue() + strText;
    if (bTimestamp)
        strLog += wxS(" (") + wxString::FromUTF8(FormatDelay(PerfCounter())) + wxS(")");
    if (bNewLine)
        strLog += wxS("\r\n");
    pLog->ChangeValue(strLog);
    pLog->ShowPosition(pLog->GetLastPosition());
}

void CLockDataDlg::AppendWriteLog(const wxString& strText, bool bTimestamp, bool bNewLine)
{
    Append(m_pWriteLog, strText, bTimestamp, bNewLine);
}

void CLockDataDlg::AppendReadLog(const wxString& strText, bool bTimestamp, bool bNewLine)
{
    Append(m_pReadLog, strText, bTimestamp, bNewLine);
}
