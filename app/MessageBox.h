#pragma once
// The program's own message dialog, through which every message is shown: bilingual buttons by
// message-box type, a caption chosen by a code, and codes that close the box by themselves.
//
// | code      | caption                                  | closes by itself |
// | 0, other  | the caption given                        | positive codes: after that many ms |
// | -2 / -3   | "提示" / "Prompting", whatever the language | no |
// | -4 / -5   | "警告" / "Warning", whatever the language   | no |
// | 2000      | "提示" or "Prompting" by the language      | after 2000 ms |
// | 2001      | "警告" or "Warning" by the language        | after 2001 ms |
//
// Types (icon bits 0xF0 are ignored): 0 OK alone; 1 OK, Cancel; 4 YES, NO; 6 one "Quit" button;
// others keep the template's OK and Cancel. Answers: OK or Enter on it gives 6 for type 4, else 1;
// Cancel, Escape, the close box or the timer give 1 for type 0, 7 for type 4, else 2.
#include "controls/ControlTimer.h"
#include "controls/TemplateDialog.h"

class CTransparentStatic;
class wxButton;

class CMessageBox : public CTemplateDialog {
public:
    explicit CMessageBox(wxWindow* pParent = nullptr);
    CMessageBox(const wxString& strText, unsigned nType, const wxString& strCaption, int nCode);

    // Stores text, type and code (the third argument is not used); the caption is the program's
    // title.
    void SetMessage(const wxString& strText, unsigned nType, int nSpare, int nCode);
    // Shows the box modally and returns its answer.
    int DoModal(wxWindow* pParent = nullptr);
    int GetResult() const { return m_nResult; }
    // Whether the box will close by itself (a positive code).
    bool IsClosingByItself() const { return m_timer.IsRunning(); }
    // The box that is showing now (the innermost one), or nullptr.
    static CMessageBox* GetActive();

    // The caption a code gives, with the caption stored for code 0 and the codes not listed.
    static wxString CaptionForCode(int nCode, const wxString& strStored);
    static int OkResult(unsigned nType);
    static int CancelResult(unsigned nType);

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnTimer();

    wxButton* m_pCancel = nullptr;
    wxButton* m_pOk = nullptr;
    CTransparentStatic* m_pText = nullptr;
    wxWindow* m_pParent = nullptr;
    wxString m_strText;
    unsigned m_nType = 0;
    int m_nCode = 0;
    wxString m_strCaption;
    int m_nResult = 1;
    CControlTimer m_timer;
};

// The message-box handler the program installs (platform/MessageBox.h): a CMessageBox with the
// program's title.
void InstallMessageBox();
