#pragma once
// The application's about box (template 100): the program's version line. The main view shows
// its own about box (CVersionDlg); this one answers the application's about command.
#include "controls/TemplateDialog.h"

class CAboutDlg : public CTemplateDialog {
public:
    explicit CAboutDlg(wxWindow* pParent = nullptr);
    int DoModal() { return CTemplateDialog::DoModal(m_pParent); }

protected:
    bool OnInitDialog() override;

private:
    wxWindow* m_pParent;
};
