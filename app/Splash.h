#pragma once
// A splash window: a picture file shown centred in a borderless window above the main window
// until a time-out, a key or a mouse click. The program enables it unless it was started as a
// server, but shows it nowhere.
#include <wx/bitmap.h>
#include <wx/frame.h>

#include "controls/ControlTimer.h"

class CSplashWnd : public wxFrame {
public:
    static void EnableSplashScreen(bool bEnable);
    // Shows the picture of the file for nTimeoutMs; false when the splash is not enabled, one
    // is already showing, no file is named, or the picture or the window cannot be made.
    static bool ShowSplashScreen(int nTimeoutMs, const wxString& strFile, wxWindow* pParent);
    // Loads another picture into the splash that shows.
    static bool ChangeSplashBitmap(const wxString& strFile);
    // A key press or a mouse button press hides the splash that shows; true then.
    static bool PreTranslateAppMessage(const wxEvent& event);
    static CSplashWnd* GetInstance() { return c_pSplashWnd; }
    void HideSplashScreen();

private:
    CSplashWnd();
    ~CSplashWnd() override;
    bool Create(wxWindow* pParent);
    void OnPaint(wxPaintEvent& event);
    void OnTimer();

    static bool c_bShowSplashWnd;
    static CSplashWnd* c_pSplashWnd;
    wxBitmap m_bitmap;
    CControlTimer m_timer;
};
