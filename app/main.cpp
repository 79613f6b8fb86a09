#include <wx/init.h>

#include "app/HalvekApp.h"

wxIMPLEMENT_APP_NO_MAIN(CHalvekApp);

// The application's exit runs whether or not start-up let the program run, as the program's
// exit code: a server switch ends the program with 0, without a window.
int main(int argc, char** argv)
{
    if (!wxEntryStart(argc, argv))
        return 1;
    int nCode = 0;
    if (wxTheApp->CallOnInit())
        nCode = wxTheApp->OnRun();
    const int nExit = wxTheApp->OnExit();
    if (nCode == 0)
        nCode = nExit;
    wxEntryCleanup();
    return nCode;
}
