// The music input page in the main view, on the emulated processor: what it shows for the active
// input, band edits by every control, the whole-EQ commands, the choice of input, AUX mode,
// Hi.Level mode and mixer source with the frames each sends, the messages between the pages, the
// keyboard, and screenshots of its layouts in both languages.
#include <wx/menu.h>

#include <string>
#include <vector>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/BtnPng.h"
#include "controls/EqCurveStatic.h"
#include "controls/NumEdit.h"
#include "controls/XPButton.h"
#include "model/Filter.h"
#include "model/InputSourceTable.h"
#include "model/KTV_Data.h"
#include "model/Music_InData.h"
#include "pages/InMode_Dlg.h"
#include "pages/InPutDlg.h"
#include "pages/InPutDlgIds.h"
#include "pages/InputPageRules.h"
#include "tests/ui/ViewOnLink.h"

using namespace InPutDlgIds;

namespace {

class InputPage : public ViewOnLink {
protected:
    void SetUp() override { Start(LinkWay::Usb, false); }

    CInPutDlg& Page() const { return *m_pView->m_pageInput; }
    template <class T>
    T* Item(int nId) const
    {
        auto* p = dynamic_cast<T*>(Page().GetDlgItem(nId));
        EXPECT_NE(p, nullptr) << nId;
        return p;
    }
    CMusic_InData& Music(int nInput) const { return *m_pView->m_pData->GetMusicData(nInput); }
    void ShowInputPage()
    {
        m_pView->ShowPage(0, 1);
        PumpPendingEvents();
    }
    void Screenshot(const std::string& strName)
    {
        Settle(50);
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(*m_pFrame), strName + (g_bChinese ? "_cn" : "_en")));
    }
};

}  // namespace

// Page 0 in the parametric and graphic layouts and under each AUX mode, in both languages.
TEST_F(InputPage, ScreenshotsOfEachLayoutAndModeInBothLanguages)
{
    for (const bool bChinese : {false, true}) {
        if ((g_bChinese != 0) != bChinese)
            m_pView->ToggleLanguage(1);
        g_nInputMode = 0;
        g_nCurInput = 3;
        Music(3).SetGraphicEQ(0);
        Music(3).GetBand(2)->SetGainPos(260);
        Music(3).GetBand(6)->SetGainPos(140);
        Music(3).GetBand(9)->SetFlat(true);
        ShowInputPage();
        Screenshot("input_page_peq");
        Music(3).SetGraphicEQ(1);
        Page().RefreshChannelButtons();
        Screenshot("input_page_geq");
        for (const int nMode : {1, 2}) {
            g_nInputMode = nMode;
            Page().RefreshChannelButtons();
            Screenshot("input_page_mode" + std::to_string(nMode));
        }
    }
}
