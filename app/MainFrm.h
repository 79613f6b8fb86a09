#pragma once
// The main window: a frame without caption, borders or sizing frame, so it shows only the main
// view, which moves and closes it. Its shape leaves out a 2-pixel edge on every side. Every way
// of closing it (the view's exit button, the window manager, the end of the session, a
// termination signal) ends the view's device link first.
//
// It also carries the start view's commands: the main view in view mode 1 or 2 with a new
// document (8000, 8001), or the start view (32774). Each closes the child shown until then;
// nothing in the program issues them.
#include <wx/frame.h>

#include <memory>

class CChildFrame;
class CHalvekDoc;
class CHalvekView;
class IHidBackend;
struct CLinkTimeouts;
struct CNetOptions;

class CMainFrame : public wxFrame {
public:
    enum { ID_VIEW_MODE1 = 8000, ID_VIEW_MODE2 = 8001, ID_START_VIEW = 32774 };
    // The edge of the window that its shape leaves out, on every side.
    static constexpr int kHiddenEdge = 2;

    CMainFrame();
    ~CMainFrame() override;
    // The theme's colours and font, asked once: each repaint of the window under a live control
    // (a level meter) takes them, and GTK would look them up in its styles every time.
    wxVisualAttributes GetDefaultAttributes() const override;

    // Opens the program's one document in the frame: the child frame and the main view, whose
    // start-up runs; the frame takes the view's size. Later main views are made the same way.
    CHalvekView* OpenDocument(CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions,
                              const CLinkTimeouts& timeouts);
    CChildFrame* GetActiveChild() const { return m_pActiveChild; }

    // Commands 8000 (nMode 1) and 8001 (nMode 2): English, the view mode, a new document in a
    // new main view.
    void OnViewMode(int nMode);
    // Command 32774.
    void OnStartView();

private:
    struct CViewTemplate;

    void OnSize(wxSizeEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnDisplayChange(wxDisplayChangedEvent& event);
    // Closes the child shown and its document (a document of the application stays).
    void CloseActiveChild();
    // The child fills the frame, in front, with the program's title.
    void ShowChild(CChildFrame* pChild);

    std::unique_ptr<CViewTemplate> m_pTemplate;  // none until a document was opened
    std::unique_ptr<CHalvekDoc> m_pDoc;          // the document the commands made last
    CChildFrame* m_pActiveChild = nullptr;
};
