#pragma once
// A page of the main view: a form made from its template over a skin per language, with the view's
// services (m_pView), the data root (m_pData) and a binder for its plain fields (m_binder), all
// given at construction, so a page is never used without them.
//
// The view keeps its pages in one list and calls every page for each of its events:
// - OnShowPage, right before the page is shown: the page loads the model (RefreshFromModel).
// - OnDataLoaded, after the model was replaced (a preset read from the processor, a preset or
//   all-presets file): a shown page loads the model again; a hidden one does so when shown.
// - SetLanguage, after the language flag changed: texts and faces of the new language.
// - OnLinkOpened and OnLinkClosed, when a link to the processor opens and after it was closed.
// Loading the model never marks a change and never opens a modal box (the link lock may be held).
#include "controls/TemplateForm.h"
#include "pages/ParamBinder.h"

class CKTV_Data;
class IPageHost;

class CPage : public CTemplateForm {
public:
    CPage(int nTemplateId, IPageHost& host, CKTV_Data& data);

    virtual void OnShowPage() { RefreshFromModel(); }
    virtual void OnDataLoaded();
    virtual void SetLanguage();
    virtual void OnLinkOpened() {}
    virtual void OnLinkClosed() {}

    // Shows everything the page shows as the model holds it now.
    virtual void RefreshFromModel() = 0;

    // The toolkit's idle pass, which follows every event and walks every window, leaves a hidden
    // page and its controls out; a page shown again is walked with the pass after its showing.
    bool SendIdleEvents(wxIdleEvent& event) override;

protected:
    IPageHost* const m_pView;
    CKTV_Data* const m_pData;
    CParamBinder m_binder;
};
