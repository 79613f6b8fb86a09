#pragma once
// The main frame of the program.
#include <wx/frame.h>

class CMainFrame : public wxFrame {
public:
    CMainFrame();
};
