#pragma once
// A one-button warning: its text and a "Quit" button.
#include "controls/TemplateDialog.h"

class CWarnDlg : public CTemplateDialog {
public:
    explicit CWarnDlg(const wxString& strText = {});

protected:
    bool OnInitDialog() override;

private:
    wxString m_strText;
};
