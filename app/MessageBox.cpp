#include "app/MessageBox.h"

#include <wx/app.h>
#include <wx/button.h>

#include <vector>

#include "controls/FontStatic.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "res/UiText.h"
#include "res/WinStyles.h"

namespace {
constexpr int kTemplate = 116;
constexpr int kTextId = 1001;

std::vector<CMessageBox*> g_activeBoxes;
}  // namespace

CMessageBox::CMessageBox(wxWindow* pParent) : CTemplateDialog(kTemplate), m_pParent(pParent), m_timer([this] { OnTimer(); }) {}

CMessageBox::CMessageBox(const wxString& strText, unsigned nType, const wxString& strCaption, int nCode)
    : CMessageBox(nullptr)
{
    m_strText = strText;
    m_nType = nType;
    m_strCaption = strCaption;
    m_nCode = nCode;
}

void CMessageBox::SetMessage(const wxString& strText, unsigned nType, int, int nCode)
{
    m_strText = strText;
    m_nType = nType;
    m_nCode = nCode;
    m_strCaption = wxString::FromUTF8(g_strAppTitle);
}

int CMessageBox::DoModal(wxWindow* pParent)
{
    g_activeBoxes.push_back(this);
    CTemplateDialog::DoModal(pParent != nullptr ? pParent : m_pParent);
    g_activeBoxes.pop_back();
    return m_nResult;
}

CMessageBox* CMessageBox::GetActive()
{
    return g_activeBoxes.empty() ? nullptr : g_activeBoxes.back();
}

wxString CMessageBox::CaptionForCode(int nCode, const wxString& strStored)
{
    switch (nCode) {
    case CAPTION_PROMPT_CN: return Utf8(g_strTipTitleCn);
    case CAPTION_PROMPT_EN: return Utf8(g_strTipTitleEn);
    case CAPTION_WARNING_CN: return Utf8(g_strWarnTitleCn);
    case CAPTION_WARNING_EN: return Utf8(g_strWarnTitleEn);
    case CAPTION_PROMPT_AUTOCLOSE: return LangString(g_strTipTitleCn, g_strTipTitleEn);
    case CAPTION_WARNING_AUTOCLOSE: return LangString(g_strWarnTitleCn, g_strWarnTitleEn);
    default: return strStored;
    }
}

int CMessageBox::OkResult(unsigned nType)
{
    return (nType & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
}

int CMessageBox::CancelResult(unsigned nType)
{
    return UnansweredResult(nType);
}

void CMessageBox::CreateControls()
{
    m_pText = CreateItem<CTransparentStatic>(kTextId);
    m_pText->ModifyStyle(SS_RIGHT, SS_CENTER);
}

bool CMessageBox::OnInitDialog()
{
    m_pOk = dynamic_cast<wxButton*>(GetDlgItem(1));
    m_pCancel = dynamic_cast<wxButton*>(GetDlgItem(2));
    m_pText->SetText(m_strText);
    SetTitle(CaptionForCode(m_nCode, m_strCaption));
    if (m_nCode > 0)  // a negative code would be a period of weeks: it never closes the box
        m_timer.Start(m_nCode);

    const bool bChinese = g_bChinese != 0;
    const int nClientWidth = GetClientSize().x;
    auto centre = [nClientWidth](wxButton* pButton) {
        pButton->Move((nClientWidth - pButton->GetSize().x) / 2, pButton->GetPosition().y);
    };
    switch (m_nType & MB_TYPEMASK) {
    case MB_OK:
        m_pCancel->Hide();
        m_pOk->SetLabel(Utf8(bChinese ? "确定" : "OK"));
        centre(m_pOk);
        break;
    case MB_OKCANCEL:
        m_pOk->SetLabel(Utf8(bChinese ? "确定" : "OK"));
        m_pCancel->SetLabel(Utf8(bChinese ? "取消" : "Cancel"));
        break;
    case MB_YESNO:
        m_pOk->SetLabel(Utf8(bChinese ? "是" : "YES"));
        m_pCancel->SetLabel(Utf8(bChinese ? "否" : "NO"));
        break;
    case MB_CANCELONLY:
        m_pOk->Hide();
        m_pCancel->SetLabel(Utf8(bChinese ? "退出" : "Quit"));
        m_pCancel->SetDefault();
        centre(m_pCancel);
        break;
    default: break;
    }
    return true;
}

void CMessageBox::OnOK()
{
    m_nResult = OkResult(m_nType);
    m_timer.Stop();
    EndDialog(m_nResult);
}

void CMessageBox::OnCancel()
{
    m_nResult = CancelResult(m_nType);
    m_timer.Stop();
    EndDialog(m_nResult);
}

void CMessageBox::OnTimer()
{
    m_timer.Stop();
    m_nResult = CancelResult(m_nType);
    EndDialog(m_nResult);
}

namespace {
class CDialogMessageBoxes : public IMessageBoxHandler {
public:
    int MessageBox(const std::string& text, unsigned nType, int nCode) override
    {
        CMessageBox box(wxString::FromUTF8(text), nType, wxString::FromUTF8(g_strAppTitle), nCode);
        return box.DoModal();
    }
    void ShowLater(const std::string& text, unsigned nType, int nCode) override
    {
        if (wxTheApp != nullptr)
            wxTheApp->CallAfter([this, text, nType, nCode] { MessageBox(text, nType, nCode); });
    }
};
}  // namespace

void InstallMessageBox()
{
    static CDialogMessageBoxes handler;
    SetMessageBoxHandler(&handler);
}
