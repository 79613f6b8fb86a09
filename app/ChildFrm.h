#pragma once
// The child frame of the main window: a borderless window that holds the main view and takes
// its size.
#include <wx/panel.h>

class CHalvekDoc;
class CHalvekView;
class IHidBackend;
struct CLinkTimeouts;
struct CNetOptions;

class CChildFrame : public wxPanel {
public:
    CChildFrame(wxWindow* pParent, CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions,
                const CLinkTimeouts& timeouts);

    CHalvekView* GetView() const { return m_pView; }

private:
    CHalvekView* m_pView;
};
