// Faces of the advanced settings dialog and the dynamics dialog: their grounds (the light dialog
// ground with the groups' frames and labels, and the navy wells the numeric fields show their
// white text in) and the advanced dialog's buttons. The grounds are laid out from the dialogs'
// templates, so a frame or a well stands where its controls are placed.
#include "res/AdvSkins.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <memory>

#include "pages/Adv_SetingIds.h"
#include "pages/CurSYSDlgIds.h"
#include "res/DialogTemplate.h"
#include "res/Fonts.h"
#include "res/InputNames.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
using skin::Face;
namespace adv = Adv_SetingIds;
namespace sys = CurSYSDlgIds;

// Pixels of dialog units of the templates' Arial 8 (6 x 13 pixels per 4 x 8 units), rounded as
// the templates are: the sizes of the faces.
constexpr int PxX(int nUnits)
{
    return (nUnits * 6 + 2) / 4;
}
constexpr int PxY(int nUnits)
{
    return (nUnits * 13 + 4) / 8;
}

// Places dialog-unit rectangles of a template as its dialog does.
class CLayout {
public:
    explicit CLayout(const DlgTemplate& tpl) : m_tpl(tpl), m_units(TemplateFont(tpl)) {}
    wxRect Units(int x, int y, int cx, int cy) const { return m_units.ToPixels(x, y, cx, cy); }
    wxRect Item(int nId) const
    {
        for (const DlgItem& item : m_tpl.items)
            if (item.nId == nId)
                return Units(item.x, item.y, item.cx, item.cy);
        return {};
    }

private:
    const DlgTemplate& m_tpl;
    DialogUnits m_units;
};

struct Text {
    const char* szEnglish;
    const char* szChinese;
    wxString Get(bool bChinese) const { return wxString::FromUTF8(bChinese ? szChinese : szEnglish); }
};

// The light ground of a dialog.
void PaintDialogGround(wxDC& dc)
{
    dc.SetBackground(wxBrush(skin::kDialog));
    dc.Clear();
}

// A group's frame with its title on the top line.
void PaintGroup(wxDC& dc, const wxRect& rc, const wxString& strTitle, bool bChinese)
{
    const int nTitleH = 16;
    const wxRect rcFrame(rc.x, rc.y + nTitleH / 2, rc.width, rc.height - nTitleH / 2);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (gc) {
        gc->SetPen(wxPen(skin::kTab));
        gc->SetBrush(*wxTRANSPARENT_BRUSH);
        gc->DrawRoundedRectangle(rcFrame.x + 0.5, rcFrame.y + 0.5, rcFrame.width - 1, rcFrame.height - 1, 4);
    }
    dc.SetFont(LabelFont(13, true, bChinese));
    const wxSize extent = dc.GetTextExtent(strTitle);
    const wxRect rcTitle(rc.x + 8, rc.y, extent.x + 8, nTitleH);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(skin::kDialog));
    dc.DrawRectangle(rcTitle);
    skin::PaintLabel(dc, rcTitle, strTitle, skin::kDialogText, bChinese, 13, true);
}

// The navy well a numeric field shows its white text in.
void PaintWell(wxDC& dc, const wxRect& rcField)
{
    skin::PaintPanel(dc, wxRect(rcField).Inflate(2, 1));
}

void PaintLabelAt(wxDC& dc, const wxRect& rc, const Text& text, bool bChinese, int nAlign = wxALIGN_LEFT)
{
    skin::PaintLabel(dc, rc, text.Get(bChinese), skin::kDialogText, bChinese, 12, false,
                     nAlign | wxALIGN_CENTER_VERTICAL);
}

// ---- The advanced settings dialog ----

constexpr int kAdvW = PxX(440), kAdvH = PxY(296);

struct Group {
    int x, y, cx, cy;
    Text title;
};
constexpr Group kAdvGroups[] = {
    {6, 4, 208, 86, {"Mixer", "混音器"}},
    {6, 94, 208, 52, {"Input Option", "输入选项"}},
    {6, 150, 208, 72, {"Network", "网络"}},
    {6, 226, 208, 38, {"EQ Curve of auxiliary display", "均衡曲线辅助显示"}},
    {220, 4, 214, 258, {"Output Level Limit", "输出电平限制"}},
};

// Labels left of the fields of the left groups.
struct FieldLabel {
    int nId;
    Text text;
};
constexpr FieldLabel kAdvLabels[] = {
    {adv::IDC_SOURCE, {"Source", "音源"}},
    {adv::IDC_MIX_THRESHOLD, {"Threshold", "阈值"}},
    {adv::IDC_MIX_ATTEN, {"Attenuation", "衰减"}},
    {adv::IDC_MIX_RELEASE, {"Release", "释放时间"}},
    {adv::IDC_GROUP_DELAY, {"Music group delay", "音乐组延时"}},
    {adv::IDC_NOISE, {"Noise threshold", "噪声门限"}},
    {adv::IDC_ADDRESS, {"IP address", "IP地址"}},
    {adv::IDC_PORT, {"Port", "端口"}},
    {adv::IDC_LINE_SET, {"Same-position curves", "同位置输出曲线"}},
};
// Labels above the limiter fields of the selected output.
constexpr FieldLabel kAdvLimitLabels[] = {
    {adv::IDC_LIM_DBU, {"Level", "限幅电平"}},
    {adv::IDC_LIM_ATTACK, {"Attack", "启动时间"}},
    {adv::IDC_LIM_RELEASE, {"Release", "释放时间"}},
};
constexpr int kAdvWells[] = {adv::IDC_MIX_THRESHOLD, adv::IDC_MIX_ATTEN, adv::IDC_MIX_RELEASE, adv::IDC_GROUP_DELAY,
                             adv::IDC_NOISE,         adv::IDC_PORT,      adv::IDC_LIM_DBU,    adv::IDC_LIM_VOLT,
                             adv::IDC_LIM_ATTACK,    adv::IDC_LIM_RELEASE};

template <bool bChinese>
void PaintAdvGround(wxDC& dc, const wxSize&, bool)
{
    const CLayout layout(g_tplAdv_Seting);
    PaintDialogGround(dc);
    for (const Group& group : kAdvGroups)
        PaintGroup(dc, layout.Units(group.x, group.y, group.cx, group.cy), group.title.Get(bChinese), bChinese);
    const wxRect rcLabelColumn = layout.Units(14, 0, 94, 0);
    for (const FieldLabel& label : kAdvLabels) {
        const wxRect rc = layout.Item(label.nId);
        PaintLabelAt(dc, wxRect(rcLabelColumn.x, rc.y, rcLabelColumn.width, rc.height), label.text, bChinese);
    }
    for (const FieldLabel& label : kAdvLimitLabels) {
        const wxRect rc = layout.Item(label.nId);
        PaintLabelAt(dc, wxRect(rc.x, rc.y - layout.Units(0, 0, 0, 10).height, rc.width, layout.Units(0, 0, 0, 10).height),
                     label.text, bChinese);
    }
    for (const int nId : kAdvWells)
        PaintWell(dc, layout.Item(nId));
    PaintWell(dc, layout.Item(adv::IDC_ADDRESS));
}

// A push button of the dialog in one of its states, on the dialog's ground.
template <bool bChinese, Face face>
void PaintDialogButton(wxDC& dc, const wxSize& size, const Text& text)
{
    dc.SetBackground(wxBrush(skin::kDialog));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, text.Get(bChinese), bChinese);
}

constexpr Text kApply{"Apply", "应用"};
constexpr Text kDefault{"Load Default", "恢复出厂设置"};
constexpr Text kQuit{"Quit", "退出"};

template <bool bChinese, Face face>
void PaintApply(wxDC& dc, const wxSize& size, bool)
{
    PaintDialogButton<bChinese, face>(dc, size, kApply);
}
template <bool bChinese, Face face>
void PaintDefault(wxDC& dc, const wxSize& size, bool)
{
    PaintDialogButton<bChinese, face>(dc, size, kDefault);
}
template <bool bChinese, Face face>
void PaintQuit(wxDC& dc, const wxSize& size, bool)
{
    PaintDialogButton<bChinese, face>(dc, size, kQuit);
}

// The EQ display toggle says its state in a word: on a teal face while the curves are shown.
template <bool bChinese, bool bOn>
void PaintLineSet(wxDC& dc, const wxSize& size, bool)
{
    const Text word = bOn ? Text{"ON", "开"} : Text{"OFF", "关"};
    PaintDialogButton<bChinese, bOn ? Face::Checked : Face::Normal>(dc, size, word);
}

// The source button shows the chosen source, with a mark that it opens a menu.
template <bool bChinese, int nSource, Face face>
void PaintSource(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(skin::kDialog));
    dc.Clear();
    const wxRect rc(size);
    skin::PaintButtonFace(dc, rc, face, wxString(), bChinese);
    const int nArrowW = size.y;
    const LangName& source = kSourceNames[nSource];
    skin::PaintLabel(dc, wxRect(0, 0, size.x - nArrowW / 2, size.y), Text{source.szEnglish, source.szChinese}.Get(bChinese),
                     face == Face::Normal ? skin::kLabel : *wxWHITE, bChinese, 13);
    const int cx = size.x - nArrowW / 2, cy = size.y / 2 + 1, s = 3;
    const wxPoint arrow[3] = {{cx - s, cy - s / 2}, {cx + s, cy - s / 2}, {cx, cy + s / 2 + 1}};
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(skin::kLabel));
    dc.DrawPolygon(3, arrow);
}

constexpr int kSourceW = PxX(70), kSourceH = PxY(14);
constexpr int kApplyW = PxX(56), kApplyH = PxY(15);
constexpr int kDefaultW = PxX(90), kDefaultH = PxY(18);
constexpr int kQuitW = PxX(50), kQuitH = PxY(18);

template <bool bChinese, int nBase, int nSource>
constexpr SkinArt SourceNormal()
{
    return {nBase + nSource, kSourceW, kSourceH, PaintSource<bChinese, nSource, Face::Normal>};
}
template <bool bChinese, int nBase, int nSource>
constexpr SkinArt SourceHot()
{
    return {nBase + adv::IDB_SOURCE_HOT + nSource, kSourceW, kSourceH, PaintSource<bChinese, nSource, Face::Hover>};
}

template <bool bChinese, int nBase>
constexpr SkinArt kSourceFaces[] = {
    SourceNormal<bChinese, nBase, 0>(), SourceNormal<bChinese, nBase, 1>(), SourceNormal<bChinese, nBase, 2>(),
    SourceNormal<bChinese, nBase, 3>(), SourceNormal<bChinese, nBase, 4>(), SourceNormal<bChinese, nBase, 5>(),
    SourceNormal<bChinese, nBase, 6>(), SourceHot<bChinese, nBase, 0>(),    SourceHot<bChinese, nBase, 1>(),
    SourceHot<bChinese, nBase, 2>(),    SourceHot<bChinese, nBase, 3>(),    SourceHot<bChinese, nBase, 4>(),
    SourceHot<bChinese, nBase, 5>(),    SourceHot<bChinese, nBase, 6>(),
};

constexpr SkinArt kAdvSkins[] = {
    {adv::IDB_BACK_EN, kAdvW, kAdvH, PaintAdvGround<false>},
    {adv::IDB_BACK_CN, kAdvW, kAdvH, PaintAdvGround<true>},
    {adv::IDB_APPLY_EN, kApplyW, kApplyH, PaintApply<false, Face::Normal>},
    {adv::IDB_APPLY_EN + 1, kApplyW, kApplyH, PaintApply<false, Face::Hover>},
    {adv::IDB_APPLY_EN + 2, kApplyW, kApplyH, PaintApply<false, Face::Pressed>},
    {adv::IDB_APPLY_EN + 3, kApplyW, kApplyH, PaintApply<false, Face::Disabled>},
    {adv::IDB_APPLY_CN, kApplyW, kApplyH, PaintApply<true, Face::Normal>},
    {adv::IDB_APPLY_CN + 1, kApplyW, kApplyH, PaintApply<true, Face::Hover>},
    {adv::IDB_APPLY_CN + 2, kApplyW, kApplyH, PaintApply<true, Face::Pressed>},
    {adv::IDB_APPLY_CN + 3, kApplyW, kApplyH, PaintApply<true, Face::Disabled>},
    {adv::IDB_DEFAULT_EN, kDefaultW, kDefaultH, PaintDefault<false, Face::Normal>},
    {adv::IDB_DEFAULT_EN + 1, kDefaultW, kDefaultH, PaintDefault<false, Face::Hover>},
    {adv::IDB_DEFAULT_EN + 2, kDefaultW, kDefaultH, PaintDefault<false, Face::Pressed>},
    {adv::IDB_DEFAULT_EN + 3, kDefaultW, kDefaultH, PaintDefault<false, Face::Disabled>},
    {adv::IDB_DEFAULT_CN, kDefaultW, kDefaultH, PaintDefault<true, Face::Normal>},
    {adv::IDB_DEFAULT_CN + 1, kDefaultW, kDefaultH, PaintDefault<true, Face::Hover>},
    {adv::IDB_DEFAULT_CN + 2, kDefaultW, kDefaultH, PaintDefault<true, Face::Pressed>},
    {adv::IDB_DEFAULT_CN + 3, kDefaultW, kDefaultH, PaintDefault<true, Face::Disabled>},
    {adv::IDB_QUIT_EN, kQuitW, kQuitH, PaintQuit<false, Face::Normal>},
    {adv::IDB_QUIT_EN + 1, kQuitW, kQuitH, PaintQuit<false, Face::Pressed>},
    {adv::IDB_QUIT_EN + 2, kQuitW, kQuitH, PaintQuit<false, Face::Hover>},
    {adv::IDB_QUIT_CN, kQuitW, kQuitH, PaintQuit<true, Face::Normal>},
    {adv::IDB_QUIT_CN + 1, kQuitW, kQuitH, PaintQuit<true, Face::Pressed>},
    {adv::IDB_QUIT_CN + 2, kQuitW, kQuitH, PaintQuit<true, Face::Hover>},
    {adv::IDB_LINE_OFF_EN, kApplyW, kApplyH, PaintLineSet<false, false>},
    {adv::IDB_LINE_ON_EN, kApplyW, kApplyH, PaintLineSet<false, true>},
    {adv::IDB_LINE_OFF_CN, kApplyW, kApplyH, PaintLineSet<true, false>},
    {adv::IDB_LINE_ON_CN, kApplyW, kApplyH, PaintLineSet<true, true>},
};

// ---- The dynamics dialog ----

constexpr int kSysW = PxX(730), kSysH = PxY(271);

// Each output's box holds a navy panel under its caption; the gate field has a well.
void PaintSysGround(wxDC& dc, const wxSize&, bool)
{
    const CLayout layout(g_tplCurSYSDlg);
    PaintDialogGround(dc);
    constexpr int kCaption = 14;  // the box's caption line and text above the panel
    for (int i = 0; i < 8; ++i) {
        const wxRect rcBox = layout.Item(sys::IDC_BOX + i);
        skin::PaintPanel(dc, wxRect(rcBox.x + 3, rcBox.y + kCaption, rcBox.width - 6, rcBox.height - kCaption - 3));
    }
    PaintWell(dc, layout.Item(sys::IDC_GATE));
}

constexpr SkinArt kSysSkins[] = {
    {sys::IDB_BACK, kSysW, kSysH, PaintSysGround},
};
}  // namespace

void AdvSkinTables(const SkinTableSink& take)
{
    take(kAdvSkins);
    take(kSourceFaces<true, adv::IDB_SOURCE_CN>);
    take(kSourceFaces<false, adv::IDB_SOURCE_EN>);
    take(kSysSkins);
}
