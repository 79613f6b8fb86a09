#include "app/HalvekView.h"

#include <wx/filefn.h>
#include <wx/menu.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <filesystem>
#include <mutex>
#include <system_error>

#include "app/HalvekApp.h"
#include "app/MessageBox.h"
#include "app/MsgBox.h"
#include "app/SaveDataDlg.h"
#include "app/VersionDlg.h"
#include "app/ViewIds.h"
#include "controls/BitButton.h"
#include "controls/EnTabCtrl.h"
#include "controls/GradientProgressCtrl.h"
#include "controls/PictureStatic.h"
#include "controls/ShowLink.h"
#include "controls/WndMessages.h"
#include "controls/XPButton.h"
#include "grid/GridServices.h"
#include "link/DisplayDlg.h"
#include "link/LinkState.h"
#include "link/LockDataDlg.h"
#include "link/SendData.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/SpeakerGroupTable.h"
#include "model/StdAfx.h"
#include "pages/Adv_Seting.h"
#include "pages/CurSYSDlg.h"
#include "pages/InPutDlg.h"
#include "pages/Level_Delay_Dlg.h"
#include "pages/OutputDlg.h"
#include "pages/SharedFaceIds.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "res/Fonts.h"
#include "res/Menus.h"
#include "res/UiText.h"
#include "res/ViewSkins.h"

CHalvekView* g_pView = nullptr;
std::string g_szStartDir;
std::string g_szHelpFileCn;
std::string g_szHelpFileEn;

namespace {
constexpr int kTemplate = IDD_VIEW;
constexpr int kBackground = IDB_VIEW_BACK;

constexpr int kModes = 4;

// Faces by language: Chinese first, then English.
struct LangFaces {
    int nChinese[3];
    int nEnglish[3];
};
constexpr LangFaces kSelectorFaces[3] = {
    {{IDB_PAGE_INPUT_CN, IDB_PAGE_INPUT_CN + 1, IDB_PAGE_INPUT_CN + 2},
     {IDB_PAGE_INPUT_EN, IDB_PAGE_INPUT_EN + 1, IDB_PAGE_INPUT_EN + 2}},  // page 0: music input
    {{IDB_PAGE_OUTPUT_CN, IDB_PAGE_OUTPUT_CN + 1, IDB_PAGE_OUTPUT_CN + 2},
     {IDB_PAGE_OUTPUT_EN, IDB_PAGE_OUTPUT_EN + 1, IDB_PAGE_OUTPUT_EN + 2}},  // page 1: output
    {{IDB_PAGE_LEVEL_CN, IDB_PAGE_LEVEL_CN + 1, IDB_PAGE_LEVEL_CN + 2},
     {IDB_PAGE_LEVEL_EN, IDB_PAGE_LEVEL_EN + 1, IDB_PAGE_LEVEL_EN + 2}},  // page 2: level and delay
};
// Quick input select of music input n: the music input page's input select faces.
constexpr LangFaces QuickInputFaces(int n)
{
    using namespace SharedFaceIds;
    return {{IDB_INPUT_BUTTON_CN + n, IDB_INPUT_BUTTON_CN + 10 + n, IDB_INPUT_BUTTON_CN + 20 + n},
            {IDB_INPUT_BUTTON_EN + n, IDB_INPUT_BUTTON_EN + 10 + n, IDB_INPUT_BUTTON_EN + 20 + n}};
}
constexpr LangFaces kHiLevelFaces = QuickInputFaces(1);
constexpr LangFaces kAuxFaces = QuickInputFaces(3);
constexpr LangFaces kPhoneFaces = QuickInputFaces(2);
// Pop-up buttons: the normal face, then the face of every other state.
constexpr int kPresetMenuFaces[2][2] = {{IDB_PRESET_MENU_CN, IDB_PRESET_MENU_HOVER_CN},
                                        {IDB_PRESET_MENU_EN, IDB_PRESET_MENU_HOVER_EN}};
constexpr int kToolsMenuFaces[2][2] = {{IDB_TOOLS_MENU_CN, IDB_TOOLS_MENU_HOVER_CN}, {IDB_TOOLS_MENU_EN, IDB_TOOLS_MENU_HOVER_EN}};
// Connect button: normal, hover and pressed while synchronised, else.
constexpr int kConnectedFaces[2][3] = {{IDB_CONNECTED_CN, IDB_CONNECTED_HOVER_CN, IDB_CONNECTED_HOVER_CN},
                                       {IDB_CONNECTED_EN, IDB_CONNECTED_HOVER_EN, IDB_CONNECTED_HOVER_EN}};
constexpr int kDisconnectedFaces[2][3] = {{IDB_CONNECT_CN, IDB_CONNECT_HOVER_CN, IDB_CONNECT_HOVER_CN},
                                          {IDB_CONNECT_EN, IDB_CONNECT_HOVER_EN, IDB_CONNECT_HOVER_EN}};

constexpr int kPresetNameUnchecked = IDB_PRESET_NAME;
constexpr int kPresetNameChecked = IDB_PRESET_NAME_CHECKED;
constexpr int kPresetNameTextX = 55;
constexpr int kPresetNameTextY = 2;

constexpr char kLineSetKey[] = "Software/Tarvi_1.exe/Line_Set";
constexpr char kLineSetValue[] = "Line_Set";

int LangIndex()
{
    return g_bChinese ? 0 : 1;
}

// Normal, hover, and pressed as every checked face too.
void SetLangFaces(CBitButton& button, const LangFaces& faces)
{
    const int* n = g_bChinese ? faces.nChinese : faces.nEnglish;
    button.SetBitmaps(n[0], n[1], n[2], n[2], n[2], n[2]);
}

void SetPopupFaces(CXPButton& button, const int (&faces)[2][2])
{
    const int* n = faces[LangIndex()];
    button.SetBitmaps(n[0], n[1], n[1], n[1], n[1], n[1]);
}

void RefreshTree(wxWindow* pWnd)
{
    pWnd->Refresh();
    for (wxWindow* pChild : pWnd->GetChildren())
        RefreshTree(pChild);
}

std::string CurrentDirectory()
{
    std::error_code error;
    return std::filesystem::current_path(error).string();
}
}  // namespace

CHalvekView::CHalvekView(CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions,
                         const CLinkTimeouts& timeouts)
    : CTemplateForm(kTemplate),
      m_netSocket(netOptions),
      m_link(m_command, hid, m_usbInUse, m_netSocket, timeouts),
      m_firmware(m_command),
      m_updateConnect(m_link, m_command, m_netSocket, [this] { DisconnectByLinkType(); }),
      m_doc(doc)
{
    SetBackgroundSkins(kBackground, kBackground);
    m_link.SetFirmwarePacketSource([this] { m_firmware.NextFirmwarePacket(); });
    m_link.AttachClientSocket(&m_clientSocket);
}

CHalvekView::~CHalvekView()
{
    ShutDownLink();
    if (g_pView == this)
        g_pView = nullptr;
    if (g_pNotifyWnd == GetWndHandle(this))
        g_pNotifyWnd = 0;
    if (g_pCommand == &m_command)
        g_pCommand = nullptr;
    g_pMonitorDlg = nullptr;
    g_pDisplayDlg = nullptr;
}

bool CHalvekView::Create(wxWindow* pParent)
{
    if (!CTemplateForm::Create(pParent))
        return false;
    OnInitialUpdate();
    Show();
    return true;
}

void CHalvekView::CreateControls()
{
    m_stcLogo = CreateItem<CPictureStatic>(IDC_LOGO);
    m_btnInputHiLevel = CreateItem<CBitButton>(IDC_INPUT_HILEVEL);
    m_btnInputAux = CreateItem<CBitButton>(IDC_INPUT_AUX);
    m_btnInputPhone = CreateItem<CBitButton>(IDC_INPUT_PHONE);
    m_linkLamp = CreateItem<CShow_Link>(IDC_LINK_LAMP);
    m_btnMinimize = CreateItem<CBitButton>(IDC_MINIMIZE);
    m_btnClose = CreateItem<CBitButton>(IDC_CLOSE);
    m_btnPresetName = CreateItem<CBitButton>(IDC_PRESET_NAME);
    m_btnPageOutput = CreateItem<CBitButton>(IDC_PAGE_OUTPUT);
    m_btnPageInput = CreateItem<CBitButton>(IDC_PAGE_INPUT);
    m_btnPageLevel = CreateItem<CBitButton>(IDC_PAGE_LEVEL);
    for (int i = 0; i < kModes; ++i)
        m_btnMode[i] = CreateItem<CXPButton>(IDC_MODE1 + i);
    m_btnPresetMenu = CreateItem<CXPButton>(IDC_PRESET_MENU);
    m_btnSystem = CreateItem<CXPButton>(IDC_SYSTEM);
    m_btnReport = CreateItem<CXPButton>(IDC_REPORT);
    m_btnToolsMenu = CreateItem<CXPButton>(IDC_TOOLS_MENU);
    m_btnConnect = CreateItem<CXPButton>(IDC_CONNECT);
    m_progress = CreateItem<CGradientProgressCtrl>(IDC_PROGRESS);
    m_tab = CreateItem<CEnTabCtrl>(IDC_TAB);
}

void CHalvekView::OnInitialUpdate()
{
    SetSize(kViewWidth, kViewHeight);
    g_pView = this;
    m_command.SetNotifyWnd(GetWndHandle(this));
    m_pData = &m_doc.m_data;
    m_link.AttachData(m_pData);

    g_szStartDir = CurrentDirectory();
    m_szPaths[0] = g_szStartDir;
    BuildFilePatterns();
    g_szHelpFileCn = g_szStartDir + "/CH_Help.chm";
    g_szHelpFileEn = g_szStartDir + "/EN_Help.chm";
    const std::string strDocuments = wxStandardPaths::Get().GetDocumentsDir().utf8_string();
    m_szHexPath = strDocuments;
    CFirmwareUpdate::LoadFirmwareSettings(m_szHexPath, strDocuments);
    m_link.m_bOnline = 0;

    LayoutControls();
    ToggleLanguage(0);
    SelectMode(0, 0);
    ShowPage(g_nCurPage, 0);
    {
        std::lock_guard lock(g_csLink);
        AdoptLoadedInput();
    }
    SelectMusicInput(g_nCurInput, 0);
    m_link.RegisterHidNotification(GetWndHandle(this));
    UpdateTitle();

    g_pCommand = &m_command;
    g_pNotifyWnd = GetWndHandle(this);
    g_pMonitorDlg = new CLockDataDlg;
    g_pMonitorDlg->Create(this);
    m_pMsgBox = new CMsgBox;
    m_pMsgBox->CreateHidden(this);
    m_link.CreateUsbDeviceKey();
    SaveFileDirectory(0);
    LoadLineSetting();

    m_rcClient = wxRect(GetClientSize());
    m_bDragging = false;
    BindHandlers();
    PostMessage(this, WM_AUTO_CONNECT, 0, 0);
}

void CHalvekView::LayoutControls()
{
    m_progress->SetBkColor(wxColour(0x80, 0x80, 0x80));
    m_progress->Hide();

    m_btnPresetName->SetDisabledBitmaps(kPresetNameUnchecked, kPresetNameChecked);
    m_btnPresetName->SetDisabledTextColor(*wxWHITE);
    m_btnPresetName->SetDisabledTextFormat(0);
    m_btnPresetName->SetDisabledTextOffsetY(kPresetNameTextY);
    m_btnPresetName->SetDisabledTextOffsetX(kPresetNameTextX);
    m_btnPresetName->SetLabel(wxString());

    m_linkLamp->StartBlink();
    m_btnMinimize->SetBitmaps(IDB_MINIMIZE, IDB_MINIMIZE + 1, IDB_MINIMIZE + 1);
    m_btnClose->SetBitmaps(IDB_CLOSE, IDB_CLOSE + 1, IDB_CLOSE + 1);

    m_tab->SetBkColor(wxColour(227, 228, 238));
    m_tab->SetDrawMode(CBaseTabCtrl::kFull);
    CEnTabCtrl::EnableCustomLook(true, 0x1F);
    m_tab->SetSize(PageArea());
    m_tab->Refresh();

    m_pageInput = new CInPutDlg(*this, *m_pData);
    m_pageOutput = new COutputDlg(*this, *m_pData);
    m_pageLevel = new CLevel_Delay_Dlg(*this, *m_pData);
    m_pages = {m_pageInput, m_pageOutput, m_pageLevel};
    const wxRect rcPages(m_tab->GetClientSize());
    for (CPage* pPage : m_pages) {
        pPage->Create(m_tab);
        pPage->Hide();
        pPage->SetSize(rcPages);
    }

    m_fontName = MakeFont("Arial", 16, 400);
    if (wxWindow* pEdit = GetDlgItem(IDC_NAME_EDIT)) {
        pEdit->SetFont(m_fontName);
        pEdit->Hide();
    }
    m_btnPresetName->SetDisabledFont(&m_fontName);
    m_linkLamp->SetTextFont(&m_fontName);

    m_pageOutput->RefreshPage();

    auto* pDisplay = new CDisplayDlg(this);
    pDisplay->Create(this);
    pDisplay->HideTransfer();
    g_pDisplayDlg = pDisplay;

    // Modes and "System" have faces of their own; "Report" and the name edit are never shown.
    for (int i = 0; i < kModes; ++i) {
        const int nBase = kModeFaceBase + i * kModeFacesPerMode;
        m_btnMode[i]->SetBitmaps(nBase, nBase + 1, nBase + 2, nBase + 3, nBase + 4, nBase + 5);
    }
    m_btnSystem->SetBitmaps(kSystemFaceBase, kSystemFaceBase + 1, kSystemFaceBase + 2, kSystemFaceBase,
                            kSystemFaceBase + 1, kSystemFaceBase + 2);
    m_btnReport->Hide();

    m_menuPreset.reset(LoadMenu(112));
    m_menuTools.reset(LoadMenu(113));
    m_menuConnect.reset(LoadMenu(114));
}

CBitButton* CHalvekView::PageSelector(int nPage) const
{
    switch (nPage) {
    case 0: return m_btnPageInput;
    case 1: return m_btnPageOutput;
    case 2: return m_btnPageLevel;
    default: return nullptr;
    }
}

CXPButton* CHalvekView::ModeButton(int nMode) const
{
    return nMode >= 0 && nMode < kModes ? m_btnMode[nMode] : nullptr;
}

void CHalvekView::ShowPage(int nPage, int bSwitchPage)
{
    auto showPage = [this](int n, bool bShow) {
        if (n < 0 || n >= int(m_pages.size()))
            return;
        // The status replies tell the view of meter codes only while the level page shows them
        // (the page reads the last ones itself as it is shown).
        if (m_pages[n] == m_pageLevel)
            m_command.SetMetersShown(bShow);
        if (bShow)
            m_pages[n]->OnShowPage();
        if (m_pages[n] == m_pageOutput)
            m_pageOutput->ShowWindow(bShow ? 1 : 0);
        else
            m_pages[n]->Show(bShow);
        PageSelector(n)->SetCheck(bShow);
    };
    if (bSwitchPage) {
        showPage(g_nCurPage, false);
        g_nCurPage = nPage;
    }
    showPage(g_nCurPage, true);
}

void CHalvekView::ShowReportDialog()
{
    RunParameterReport(*this, *m_pData);
}

void CHalvekView::RefreshOutputPage()
{
    g_speakerGroups.GroupOutputsByPosition();
    for (CPage* pPage : m_pages)
        pPage->OnDataLoaded();
}

void CHalvekView::OnPageOutput()
{
    if (g_nCurPage != 1)
        ShowPage(1, 1);
}

void CHalvekView::OnPageInput()
{
    if (g_nCurPage != 0)
        ShowPage(0, 1);
}

void CHalvekView::OnPageLevel()
{
    if (g_nCurPage != 2)
        ShowPage(2, 1);
}

void CHalvekView::SetConnectFaces(int bConnected)
{
    const int* n = bConnected ? kConnectedFaces[LangIndex()] : kDisconnectedFaces[LangIndex()];
    m_btnConnect->SetBitmaps(n[0], n[1], n[2], 0, 0, 0);
}

void CHalvekView::SetMenuLanguage()
{
    for (wxMenu* pMenu : {m_menuPreset.get(), m_menuTools.get()})
        RelabelMenu(*pMenu, g_bChinese != 0);
    if (!g_bChinese)
        if (wxMenuItem* pItem = m_menuTools->FindItem(WxId(ID_LANGUAGE)))
            pItem->SetItemLabel(Utf8(g_nSystemLcid == LCID_CHINESE_SIMPLIFIED ? "中文" : "Chinese"));
}

void CHalvekView::SetLanguage()
{
    m_stcLogo->SetBitmap(g_bChinese ? IDB_LOGO_CN : IDB_LOGO_EN);
    for (int nPage = 0; nPage < 3; ++nPage)
        SetLangFaces(*PageSelector(nPage), kSelectorFaces[nPage]);
    SetLangFaces(*m_btnInputHiLevel, kHiLevelFaces);
    SetLangFaces(*m_btnInputAux, kAuxFaces);
    SetLangFaces(*m_btnInputPhone, kPhoneFaces);
    SetPopupFaces(*m_btnPresetMenu, kPresetMenuFaces);
    SetPopupFaces(*m_btnToolsMenu, kToolsMenuFaces);
    SetConnectFaces(g_bSynced);
    m_linkLamp->SetText(g_bSynced ? LangString(g_strConnectedCn, g_strConnectedEn)
                                  : LangString(g_strNotConnectedCn, g_strNotConnectedEn));
    SetMenuLanguage();
    if (g_bSynced && g_byCurPreset == 0) {
        const wxString strCustomCn = Utf8("自定义");
        const wxString strCustomEn = Utf8(g_strCustomName.c_str());
        const wxString strName = m_btnPresetName->GetLabel();
        if (g_bChinese && strName == strCustomEn)
            m_btnPresetName->SetLabel(strCustomCn);
        else if (!g_bChinese && strName == strCustomCn)
            m_btnPresetName->SetLabel(strCustomEn);
    }
    for (CPage* pPage : m_pages)
        pPage->SetLanguage();
}

void CHalvekView::ToggleLanguage(int bToggle)
{
    if (bToggle)
        g_bChinese = g_bChinese ? 0 : 1;
    SetLanguage();
    RefreshTree(this);
}

void CHalvekView::OnLanguage()
{
    ToggleLanguage(1);
}

void CHalvekView::UpdateTitle()
{
    wxWindow* pFrame = wxGetTopLevelParent(this);
    if (g_nViewMode == 1) {
        if (pFrame != nullptr)
            pFrame->SetLabel(Utf8(g_strAppTitle.c_str()));
        BuildFilePatterns();
    } else if (g_nViewMode == 2 && pFrame != nullptr) {
        pFrame->SetLabel(Utf8(g_strAppTitle.c_str()));
    }
}

void CHalvekView::BuildFilePatterns()
{
    static constexpr const char* kPatterns[6] = {"/DataFile/*.OrvelC",  "/DataFile/*.OrvelAC", "/DataFile/*.OrvelC",
                                                 "/DataFile/*.OrvelAC", "/DataFile/*.Mode_C",  "/DataFile/*.Mode_C"};
    for (int i = 0; i < 6; ++i)
        m_szPaths[i + 1] = m_szPaths[0] + kPatterns[i];
}

void CHalvekView::LoadLineSetting()
{
    ISettingsStore& store = Settings();
    if (const auto value = store.ReadString(kLineSetKey, kLineSetValue)) {
        g_nLineSet = SettingsNumber(*value, 0, 1).value_or(0);
        return;
    }
    store.WriteString(kLineSetKey, kLineSetValue, std::to_string(g_nLineSet));
    store.Flush();
}

void CHalvekView::SaveLineSetting()
{
    ISettingsStore& store = Settings();
    if (store.ReadString(kLineSetKey, kLineSetValue)) {
        store.WriteString(kLineSetKey, kLineSetValue, std::to_string(g_nLineSet));
        store.Flush();
    }
    m_pageOutput->RefreshChannel();
}

int CHalvekView::IsNotDirectory(const std::string& strPath)
{
    std::error_code error;
    return std::filesystem::is_directory(strPath, error) ? 0 : 1;
}

void CHalvekView::SelectMode(int nMode, int bStore)
{
    // The link worker stores the processor's mode table under the link lock.
    std::lock_guard lock(g_csLink);
    if (bStore)
        g_modeTable.m_byMode = BYTE(nMode);
    // The current mode's button shows its second face set, every other button its first.
    for (int i = 0; i < kModes; ++i)
        m_btnMode[i]->SetCheck(i != g_modeTable.m_byMode);
}

void CHalvekView::SelectMusicInput(int nInput, int bSend)
{
    if (bSend) {
        SelectActiveInput(nInput, InputChangeBy::QuickSelect);
        return;
    }
    // Exactly the active input's button is checked: none while an input without one is active.
    m_btnInputHiLevel->SetCheck(g_nCurInput == 1);
    m_btnInputPhone->SetCheck(g_nCurInput == 2);
    m_btnInputAux->SetCheck(g_nCurInput == 3);
    m_pageOutput->ShowCurrentInput();
}

void CHalvekView::SendSystemItem(int nItem, int nPreset)
{
    if (!m_link.m_bOnline)
        return;
    std::lock_guard lock(g_csLink);
    std::unique_ptr<CSendData> pFrame = MakeWriteSystemFrame(nItem, nPreset);
    CSendData* pQueued = pFrame.get();
    m_command.AddSendData(std::move(pFrame));
    if (nItem != SYS_FACTORY_RESET)
        return;
    pQueued->SetLongWait(1);
    g_bTransferring = 1;
    g_pDisplayDlg->SetFactoryResetMode();
    g_pDisplayDlg->ShowTransfer(true);
}

void CHalvekView::PopupBelow(wxMenu& menu, wxWindow& button)
{
    // The menu takes the pointer and the button hears of no leave: its hover ends here.
    wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
    leave.SetEventObject(&button);
    button.GetEventHandler()->ProcessEvent(leave);
    const wxRect rc = button.GetRect();
    const wxPoint pt(rc.GetLeft(), rc.GetBottom() + 1 + 2);
    if (m_fnPopup)
        m_fnPopup(menu, pt);
    else
        PopupMenu(&menu, pt);
}

void CHalvekView::OnPresetMenu()
{
    // The stored presets and the all-presets commands need the processor; the PC file commands
    // do not.
    const bool bOnline = m_link.m_bOnline != 0;
    for (int nId : {ID_LOAD_DEVICE_PRESET, ID_SAVE_DEVICE_PRESET, ID_DELETE_DEVICE_PRESET, ID_LOAD_ALL_PRESETS,
                    ID_SAVE_ALL_PRESETS})
        m_menuPreset->Enable(WxId(nId), bOnline);
    PopupBelow(*m_menuPreset, *m_btnPresetMenu);
}

void CHalvekView::OnPresetManager(PresetManagerMode mode)
{
    RunPresetManager(*this, mode);
    g_pProgramDlg = nullptr;
}

void CHalvekView::OnToolsMenu()
{
    PopupBelow(*m_menuTools, *m_btnToolsMenu);
}

void CHalvekView::OnHelp()
{
    const std::string& strFile = g_bChinese ? g_szHelpFileCn : g_szHelpFileEn;
    const wxString strPath = wxString::FromUTF8(strFile);
    if (wxFileExists(strPath) && wxLaunchDefaultApplication(strPath))
        return;
    CMessageBox box(LangString("没有发现帮助文件!", "Not find help file!"), MB_CANCELONLY,
                    LangString("帮助", "Help"), 0);
    box.DoModal(this);
}

void CHalvekView::OnAbout()
{
    CVersionDlg dlg(this);
    dlg.DoModal();
}

// The advanced settings dialog, reached by the view and the link through g_pAdvDlg while open.
void CHalvekView::OnAdvanced()
{
    CAdv_Seting dlg(*this, *m_pData);
    dlg.DoModal(this);
    g_pAdvDlg = nullptr;
}

void CHalvekView::OnSystem()
{
    CCurSYSDlg dlg(*this, *m_pData);
    dlg.DoModal(this);
}

void CHalvekView::OnMinimize()
{
    if (auto* pFrame = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this)))
        CallAfter([pFrame] { pFrame->Iconize(true); });
}

void CHalvekView::OnExit()
{
    CSaveData_Dlg dlg(this);
    const int nResult = dlg.DoModal();
    if (nResult == IDCANCEL)
        return;
    // A save the user asked for and that did not happen (cancelled or failed) keeps the program
    // open, so nothing is lost.
    if (nResult == IDYES && !DoSavePresetFile())
        return;
    ShutDownLink();
    if (wxWindow* pFrame = wxGetTopLevelParent(this))
        pFrame->Close(true);
}

void CHalvekView::ShutDownLink()
{
    m_link.StopLinkThread(0);
    m_link.ForgetUsbDevice();
    m_netSocket.StopLinkCheck(0);
}

void CHalvekView::BindHandlers()
{
    auto onButton = [this](int nId, void (CHalvekView::*pfn)()) {
        Bind(wxEVT_BUTTON, [this, pfn](wxCommandEvent&) { (this->*pfn)(); }, WxId(nId));
    };
    onButton(IDC_PAGE_OUTPUT, &CHalvekView::OnPageOutput);
    onButton(IDC_PAGE_INPUT, &CHalvekView::OnPageInput);
    onButton(IDC_PAGE_LEVEL, &CHalvekView::OnPageLevel);
    onButton(IDC_PRESET_MENU, &CHalvekView::OnPresetMenu);
    onButton(IDC_TOOLS_MENU, &CHalvekView::OnToolsMenu);
    onButton(IDC_SYSTEM, &CHalvekView::OnSystem);
    onButton(IDC_MINIMIZE, &CHalvekView::OnMinimize);
    onButton(IDC_CLOSE, &CHalvekView::OnExit);
    for (int i = 0; i < kModes; ++i)
        Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) {
            std::lock_guard lock(g_csLink);
            if (g_modeTable.m_byMode == i)
                return;
            SelectMode(i, 1);
            SendSystemItem(SYS_MODE_TABLE, 0);
        }, WxId(IDC_MODE1 + i));
    for (auto [nId, nInput] : {std::pair{IDC_INPUT_HILEVEL, 1}, {IDC_INPUT_PHONE, 2}, {IDC_INPUT_AUX, 3}})
        Bind(wxEVT_BUTTON, [this, nInput](wxCommandEvent&) {
            SelectMusicInput(nInput, 1);
        }, WxId(nId));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnLanguage(); }, WxId(ID_LANGUAGE));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnHelp(); }, WxId(ID_HELP));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnAbout(); }, WxId(ID_ABOUT));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnFirmwareUpdate(); }, WxId(ID_FIRMWARE_UPDATE));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnAdvanced(); }, WxId(ID_ADVANCED));
    for (auto [nId, mode] : {std::pair{ID_LOAD_DEVICE_PRESET, PresetManagerMode::Load},
                             {ID_SAVE_DEVICE_PRESET, PresetManagerMode::SaveAs},
                             {ID_DELETE_DEVICE_PRESET, PresetManagerMode::Delete}})
        Bind(wxEVT_MENU, [this, mode](wxCommandEvent&) { OnPresetManager(mode); }, WxId(nId));
    BindFileCommands();
    BindMessage(this, WM_UPDATE_FINISHED, [this](WPARAM, LPARAM lParam) -> LRESULT {
        OnUpdateFinished(lParam);
        return 0;
    });
    BindMessage(this, WM_SHOW_LEVEL_PAGE, [this](WPARAM, LPARAM) -> LRESULT {
        ShowPage(2, 1);
        return 0;
    });
    BindConnectHandlers();
    BindLinkHandlers();
    Bind(wxEVT_CHAR_HOOK, &CHalvekView::OnCharHook, this);
    Bind(wxEVT_LEFT_DOWN, &CHalvekView::OnLButtonDown, this);
    Bind(wxEVT_MOTION, &CHalvekView::OnMouseMove, this);
    Bind(wxEVT_LEFT_UP, &CHalvekView::OnLButtonUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CHalvekView::OnCaptureLost, this);
}

// Tab and Enter on a page go to the focused control (on the output page its first edit takes
// the focus first) instead of moving between controls; Escape takes the focus back to the view.
void CHalvekView::OnCharHook(wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    const bool bEnter = nKey == WXK_RETURN || nKey == WXK_NUMPAD_ENTER;
    const bool bOnPage = g_nCurPage >= 0 && g_nCurPage <= 2;
    if ((nKey == WXK_TAB || bEnter) && bOnPage) {
        if (g_nCurPage == 1)
            m_pageOutput->FocusFirstEdit();
        if (bEnter)
            event.Skip();
        return;
    }
    if (nKey == WXK_ESCAPE || bEnter) {
        SetFocus();
        return;
    }
    event.Skip();
}

void CHalvekView::OnLButtonDown(wxMouseEvent& event)
{
    if (!m_rcClient.Contains(event.GetPosition()))
        return;
    m_ptDrag = event.GetPosition();
    m_bDragging = true;
    if (!HasCapture())
        CaptureMouse();
}

void CHalvekView::OnMouseMove(wxMouseEvent& event)
{
    if (!m_bDragging)
        return;
    if (wxWindow* pFrame = wxGetTopLevelParent(this)) {
        const wxPoint ptScreen = ClientToScreen(event.GetPosition());
        // The view sits at the frame's client origin, which on a borderless frame is its origin.
        pFrame->Move(ptScreen - m_ptDrag);
    }
}

void CHalvekView::OnLButtonUp(wxMouseEvent&)
{
    m_bDragging = false;
    if (HasCapture())
        ReleaseMouse();
}

void CHalvekView::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bDragging = false;
}
