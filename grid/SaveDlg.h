#pragma once
// The preset name dialog (template 666): the name under which the current preset is saved into
// stored preset m_nPreset of the processor. It opens with that preset's stored name; the field
// takes printable ASCII only, at most 13 characters, as the processor keeps names. OK returns the
// text exactly as typed in m_strName; the stored-preset manager checks it.
#include <string>

#include "controls/TemplateDialog.h"

class CChEnEdit;
class wxButton;
class wxWindow;

class CSaveDlg : public CTemplateDialog {
public:
    CSaveDlg();

    CChEnEdit& NameEdit() const { return *m_editName; }

    int m_nPreset = 1;     // the stored preset, 1-6; set before the dialog runs
    std::string m_strName;  // UTF-8; after OK the text as typed, otherwise the stored name
    wxString m_strLabel;    // the number label's text

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void InitTexts();

    CChEnEdit* m_editName = nullptr;
    wxWindow* m_staticNo = nullptr;
    wxButton* m_btnOk = nullptr;
    wxButton* m_btnCancel = nullptr;
};
