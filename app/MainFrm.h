#pragma once
// The main window: a frame without caption, borders or sizing frame, so it shows only the main
// view, which moves and closes it. Every way of closing it (the view's exit button, the window
// manager, the end of the session, a termination signal) ends the view's device link first.
#include <wx/frame.h>

class CHalvekDoc;
class CHalvekView;
class IHidBackend;
struct CLinkTimeouts;
struct CNetOptions;

class CMainFrame : public wxFrame {
public:
    CMainFrame();

    // Opens the program's one document in the frame: the child frame and the main view, whose
    // start-up runs; the frame takes the view's size.
    CHalvekView* OpenDocument(CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions,
                              const CLinkTimeouts& timeouts);

private:
    void OnSize(wxSizeEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnDisplayChange(wxDisplayChangedEvent& event);
};
