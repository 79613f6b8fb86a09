#pragma once
// The communication monitor: a write log and a read log. The main view keeps one, hidden.
#include "controls/TemplateDialog.h"

class wxTextCtrl;

class CLockDataDlg : public CTemplateDialog {
public:
    CLockDataDlg();

    void OnClear();
    // Empties both logs and shows the window.
    void ShowCleared();
    // Appends text, then with bTimestamp " (" + the counter as "延时(秒)=%f " + ")", then with
    // bNewLine "\r\n"; the end of the log stays in view.
    void AppendWriteLog(const wxString& strText, bool bTimestamp, bool bNewLine);
    void AppendReadLog(const wxString& strText, bool bTimestamp, bool bNewLine);

    wxTextCtrl* WriteLog() const { return m_pWriteLog; }
    wxTextCtrl* ReadLog() const { return m_pReadLog; }

protected:
    bool OnInitDialog() override;

private:
    static void Append(wxTextCtrl* pLog, const wxString& strText, bool bTimestamp, bool bNewLine);

    wxTextCtrl* m_pWriteLog = nullptr;
    wxTextCtrl* m_pReadLog = nullptr;
};

extern CLockDataDlg* g_pMonitorDlg;
