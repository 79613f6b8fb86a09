#pragma once
// Helpers of the GUI tests: wx runs without a main loop, so tests deliver pending events here.
#include <wx/app.h>

inline void PumpPendingEvents()
{
    for (int i = 0; i < 1000 && wxTheApp->HasPendingEvents(); ++i)
        wxTheApp->ProcessPendingEvents();
}
