#pragma once
// The application object: starts the program (server switches, device data, shared fonts and
// brush, language, the main window with the one document and the main view) and stops it. Every
// message box of the program is shown as the program's own message dialog (app/MessageBox.h).
#include <wx/app.h>

#include <memory>

#include "app/ModalLoops.h"
#include "platform/HidApiBackend.h"

class CHalvekDoc;

class CHalvekApp : public wxApp {
public:
    CHalvekApp();
    ~CHalvekApp() override;

    bool OnInit() override { return InitInstance(); }
    int OnExit() override { return ExitInstance(); }

    // True when the program is to run; false ends it at once.
    bool InitInstance();
    int ExitInstance();
    // Handles the server switches: false when one was given (the program ends).
    bool InitATL();
    // The modal dialogs open now; a termination signal ends them before the program closes.
    CModalLoops& ModalLoops() { return m_modalLoops; }

private:
    CModalLoops m_modalLoops;
    std::unique_ptr<CHalvekDoc> m_pDoc;
    CHidApiBackend m_hid;
};

wxDECLARE_APP(CHalvekApp);

// The system's default language id, read at start-up.
extern int g_nSystemLcid;

// Idle and update-UI events go only to the windows that ask for them (wxWS_EX_PROCESS_IDLE,
// wxWS_EX_PROCESS_UI_UPDATES), which none of the program's windows does. The toolkit sends them
// to every window after each message, and a connected program has a status message some hundred
// times a second.
void SendIdleEventsOnlyWhereAsked();

// The command line after the program's name, its arguments joined by blanks.
wxString CommandLineOf(int argc, const wxArrayString& argv);
