// The faces the music input page shares by id with the output page and the main view: every page
// that names a face shows the one picture of the catalog at its size, in each state and both
// languages, and the pictures read the program's words for them.
#include <wx/dcmemory.h>

#include <cstring>
#include <string>

#include "app/ViewIds.h"
#include "controls/BitButton.h"
#include "controls/XPButton.h"
#include "pages/InPutDlg.h"
#include "pages/InPutDlgIds.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "pages/SharedFaceIds.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"
#include "tests/support/DialogItem.h"
#include "tests/ui/ViewOnLink.h"

namespace {
namespace in = InPutDlgIds;
namespace out = OutputDlgIds;
using namespace SharedFaceIds;

bool SameImage(const wxImage& a, const wxImage& b)
{
    return a.GetSize() == b.GetSize() &&
        std::memcmp(a.GetData(), b.GetData(), static_cast<std::size_t>(a.GetWidth()) * a.GetHeight() * 3) == 0;
}

wxImage CatalogFace(int nId, bool bChinese)
{
    return LoadSkin(nId, bChinese).ConvertToImage();
}

// A button face of the program's shapes with a word, on the panel ground.
wxImage Worded(const wxSize& size, skin::Face face, const char* szWord, int nPixels)
{
    wxBitmap bmp(size.x, size.y, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(wxBrush(skin::kPanel));
        dc.Clear();
        skin::PaintButtonFace(dc, wxRect(size), face, wxString::FromUTF8(szWord), false, nPixels);
    }
    return bmp.ConvertToImage();
}

class SharedFaces : public ViewOnLink {
protected:
    void SetUp() override { Start(LinkWay::Usb, false); }

    CInPutDlg& InputPage() const { return *m_pView->m_pageInput; }
    COutputDlg& OutputPage() const { return *m_pView->m_pageOutput; }

    // The picture a control on each page shows, checked or not, against the catalog's face.
    template <class InCtrl, class OutCtrl>
    void ExpectBothShow(InCtrl& onInput, OutCtrl& onOutput, bool bChecked, int nFace, const char* szWhat)
    {
        SCOPED_TRACE(std::string(szWhat) + (bChecked ? ", checked" : ""));
        onInput.SetCheck(bChecked);
        onOutput.SetCheck(bChecked);
        const wxImage face = CatalogFace(nFace, g_bChinese != 0);
        EXPECT_TRUE(SameImage(DrawToImage(onInput), face)) << "input page, face " << nFace;
        EXPECT_TRUE(SameImage(DrawToImage(onOutput), face)) << "output page, face " << nFace;
    }
};
}  // namespace

// The work lamps, the whole-EQ commands and the gain row plate of the two EQ pages, and the input
// select buttons 1-3 of the music input page with the main view's quick select, show one picture
// per id: the catalog's, at its size.
TEST_F(SharedFaces, EveryPageShowsTheOnePictureOfEachFaceItNames)
{
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        if ((g_bChinese != 0) != bChinese)
            m_pView->ToggleLanguage(1);
        CInPutDlg& in = InputPage();
        COutputDlg& out = OutputPage();
        for (int k : {0, 4}) {
            ExpectBothShow(*Item<CXPButton>(in, in::IDC_BAND_WORK + k), *Item<CXPButton>(out, out::IDC_BYPASS + k), false,
                           IDB_BAND_WORKS, "work lamp");
            ExpectBothShow(*Item<CXPButton>(in, in::IDC_BAND_WORK + k), *Item<CXPButton>(out, out::IDC_BYPASS + k), true,
                           IDB_BAND_BYPASSED, "work lamp");
        }
        auto& inBypass = *Item<CBitButton>(in, in::IDC_BYPASS_ALL);
        auto& outBypass = *Item<CXPButton>(out, out::IDC_ALL_BYPASS);
        ExpectBothShow(inBypass, outBypass, false, bChinese ? IDB_BYPASS_EQ_CN : IDB_BYPASS_EQ_EN, "bypass all");
        ExpectBothShow(inBypass, outBypass, true, bChinese ? IDB_RESTORE_EQ_CN : IDB_RESTORE_EQ_EN, "bypass all");
        auto& inMode = *Item<CBitButton>(in, in::IDC_EQ_MODE);
        auto& outMode = *Item<CXPButton>(out, out::IDC_EQ_MODE);
        ExpectBothShow(inMode, outMode, false, bChinese ? IDB_PEQ_MODE_CN : IDB_PEQ_MODE_EN, "EQ mode");
        ExpectBothShow(inMode, outMode, true, bChinese ? IDB_GEQ_MODE_CN : IDB_GEQ_MODE_EN, "EQ mode");
        ExpectBothShow(*Item<CBitButton>(in, in::IDC_RESET_EQ), *Item<CXPButton>(out, out::IDC_RESET_EQ), false,
                       bChinese ? IDB_RESET_EQ_CN : IDB_RESET_EQ_EN, "reset");
        // The plate is a disabled button, checked in Chinese.
        ExpectBothShow(*Item<CBitButton>(in, in::IDC_GAIN_ROW), *Item<CBitButton>(out, out::IDC_GEQ_LABEL), bChinese,
                       bChinese ? IDB_GAIN_ROW_CN : IDB_GAIN_ROW_EN, "gain row plate");

        const int nInputFace = bChinese ? IDB_INPUT_BUTTON_CN : IDB_INPUT_BUTTON_EN;
        for (const auto& [nQuick, nInput] : {std::pair{IDC_INPUT_HILEVEL, 1}, {IDC_INPUT_PHONE, 2}, {IDC_INPUT_AUX, 3}}) {
            SCOPED_TRACE(nInput);
            auto& onPage = *Item<CBitButton>(in, in::IDC_INPUT + nInput);
            auto& onBar = *Item<CBitButton>(*m_pView, nQuick);
            for (const bool bChecked : {false, true}) {
                onPage.SetCheck(bChecked);
                onBar.SetCheck(bChecked);
                const wxImage face = CatalogFace(nInputFace + (bChecked ? 20 : 0) + nInput, bChinese);
                EXPECT_TRUE(SameImage(DrawToImage(onPage), face)) << "input page, checked " << bChecked;
                EXPECT_TRUE(SameImage(DrawToImage(onBar), face)) << "top bar, checked " << bChecked;
            }
        }
    }
}

// A bypassed band's lamp reads "BY", a working one's "ON", in both languages; the bypass-all
// command "ByPass EQ", checked "Restore EQ"; the mode command "PEQMode", checked "GEQMode".
TEST(SharedFaceWords, AreTheProgramsWords)
{
    using enum skin::Face;
    const wxSize lamp(kLampW, kLampH);
    const wxSize command(kEqCommandW, kEqCommandH);
    EXPECT_TRUE(SameImage(CatalogFace(IDB_BAND_BYPASSED, false), Worded(lamp, Normal, "BY", 11)));
    EXPECT_TRUE(SameImage(CatalogFace(IDB_BAND_WORKS, false), Worded(lamp, Checked, "ON", 11)));
    EXPECT_TRUE(SameImage(CatalogFace(IDB_BAND_BYPASSED, true), Worded(lamp, Normal, "BY", 11)));
    EXPECT_TRUE(SameImage(CatalogFace(IDB_BAND_WORKS, true), Worded(lamp, Checked, "ON", 11)));
    EXPECT_TRUE(SameImage(CatalogFace(IDB_BYPASS_EQ_EN, false), Worded(command, Normal, "ByPass EQ", 13)));
    EXPECT_TRUE(SameImage(CatalogFace(IDB_RESTORE_EQ_EN, false), Worded(command, Checked, "Restore EQ", 13)));
    EXPECT_TRUE(SameImage(CatalogFace(IDB_PEQ_MODE_EN, false), Worded(command, Normal, "PEQMode", 13)));
    EXPECT_TRUE(SameImage(CatalogFace(IDB_GEQ_MODE_EN, false), Worded(command, Checked, "GEQMode", 13)));
}
