#pragma once
// The application object: starts the program and opens its main window.
#include <wx/app.h>

class CHalvekApp : public wxApp {
public:
    CHalvekApp();
    bool OnInit() override;
    int OnExit() override;
};

wxDECLARE_APP(CHalvekApp);
