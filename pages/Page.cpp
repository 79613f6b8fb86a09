#include "pages/Page.h"

CPage::CPage(int nTemplateId, IPageHost& host, CKTV_Data& data)
    : CTemplateForm(nTemplateId), m_pView(&host), m_pData(&data), m_binder(*this, host)
{
}

void CPage::OnDataLoaded()
{
    if (IsShown())
        RefreshFromModel();
}

bool CPage::SendIdleEvents(wxIdleEvent& event)
{
    return IsShown() && CTemplateForm::SendIdleEvents(event);
}

// The ground is a skin per language; the bound fields change their unit words and off text.
void CPage::SetLanguage()
{
    m_binder.RefreshLanguage();
    Refresh();
}
