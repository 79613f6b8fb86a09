#pragma once
// The child frame of the main window: a borderless window that holds the main view and takes
// its size, or holds the start view and lets it fill the child.
#include <wx/panel.h>

class CCaptionView;
class CHalvekDoc;
class CHalvekView;
class IHidBackend;
struct CLinkTimeouts;
struct CNetOptions;

class CChildFrame : public wxPanel {
public:
    // The main view of doc, which starts up at once.
    CChildFrame(wxWindow* pParent, CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions,
                const CLinkTimeouts& timeouts);
    // The start view.
    explicit CChildFrame(wxWindow* pParent);

    CHalvekView* GetView() const { return m_pView; }            // none in the start view's child
    CCaptionView* GetCaptionView() const { return m_pCaptionView; }  // none in the main view's

private:
    CHalvekView* m_pView = nullptr;
    CCaptionView* m_pCaptionView = nullptr;
};
