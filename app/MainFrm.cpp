#include "app/MainFrm.h"

CMainFrame::CMainFrame() : wxFrame(nullptr, wxID_ANY, wxString::FromUTF8("Tarvi"), wxDefaultPosition, wxSize(1264, 760))
{
}
