#pragma once
// The main view: the program's one form, filling the main window. A top bar of skinned controls
// (logo, page selectors, quick input select, mode buttons, preset name, link lamp, connect, the
// preset and tools pop-ups, "System", minimise and close) sits above the page area, a tab control
// that holds the three pages: music input (0), output (1), level and delay (2).
//
// The view owns everything that talks to the processor: the command manager with its send queue,
// the link controller (worker thread and USB transport), the network object with its link check
// and the serial port. It is the window every device notification is posted to (g_pNotifyWnd).
// Frames are queued only while a link is open (m_link.m_bOnline) and under g_csLink.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/TemplateForm.h"
#include "grid/GridServices.h"
#include "link/ClientSocket.h"
#include "link/FirmwareUpdate.h"
#include "link/KTVCommand.h"
#include "link/LinkController.h"
#include "link/Net_Socket.h"
#include "link/SerialPort.h"
#include "link/UpdateConnect.h"
#include "link/UpgradeDlg.h"
#include "pages/PageHost.h"
#include "platform/UsbInUseList.h"

class CBitButton;
class CEnTabCtrl;
class CGradientProgressCtrl;
class CHalvekDoc;
class CInPutDlg;
class CKTV_Data;
class CKTV_OutData;
class CMusic_InData;
class CLevel_Delay_Dlg;
class CMsgBox;
class COutputDlg;
class CPage;
class CPictureStatic;
class CShow_Link;
class CXPButton;
class wxMenu;

class CHalvekView : public CTemplateForm, public IUpgradeView, public IPageHost, public IPresetManagerHost {
public:
    // The link runs over hid (the system's HID devices, or an emulated processor in tests).
    CHalvekView(CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions = {},
                const CLinkTimeouts& timeouts = {});
    ~CHalvekView() override;

    // Creates the form in its frame and runs the start-up (OnInitialUpdate).
    bool Create(wxWindow* pParent);
    CHalvekDoc* GetDocument() const { return &m_doc; }

    void OnInitialUpdate();
    // Skins, tab control, the pages, fonts, progress dialog, menus.
    void LayoutControls();
    // Shows page 0 (music input), 1 (output) or 2 (level and delay); with bSwitchPage the page
    // shown until now is hidden first and the new one becomes g_nCurPage.
    void ShowPage(int nPage, int bSwitchPage);
    // Runs the parameter report on the document's preset. No command calls it: the "Report"
    // button stays hidden.
    void ShowReportDialog();
    // After the model was replaced (a preset read or loaded): the outputs regrouped by position,
    // every page told.
    void RefreshOutputPage();
    // Applies, or flips and applies, the language flag to every skin and menu text.
    void SetLanguage();
    void ToggleLanguage(int bToggle);
    void UpdateTitle();
    void BuildFilePatterns();
    // The settings value "Line_Set" (g_nLineSet).
    void LoadLineSetting();
    void SaveLineSetting() override;
    static int IsNotDirectory(const std::string& strPath);

    // The mode buttons show mode nMode (0-3) as the current one; with bStore it becomes the mode
    // of the mode table.
    void SelectMode(int nMode, int bStore);
    // One parameter of a mode's record in the mode table (0-3, 0-7), and the current mode's first
    // six; the processor fills the records, nothing on the PC edits them.
    void SetModeParam(int nMode, int nIndex, WORD nValue);
    std::array<WORD, 6> GetModeParams() const;
    // With bSend music input nInput becomes the active input as a quick button chooses it;
    // either way the quick buttons and the output page's input field show the active input
    // (g_nCurInput).
    void SelectMusicInput(int nInput, int bSend);
    // The one routine of every change of the active input (model/ActiveInput.h; IPageHost).
    InputChange SelectActiveInput(int nInput, InputChangeBy by) override;
    InputChange SelectInputMode(int nMode) override;
    // Queues a write of the system item while a link is open.
    void SendSystemItem(int nItem, int nPreset = 0) override;

    // Device-state commands and channel services (HalvekViewDevice.cpp). Each queues its frames
    // at once, under g_csLink and only while a link is open; edits without a link change only
    // the PC's data.
    // Master switch off (bEnd 0, the switch saved) or back (bEnd 1), queuing system item 5 either
    // way; no lock and no link test of its own: its callers hold the lock.
    void MasterMuteBracket(int bEnd);
    // The worker sends system item 5 (2) at its next idle pass; only while a link is open.
    void SetMasterItemPending(int bFlag) override;
    void SetSourceItemPending(int bFlag) override;
    void RefreshInputSourceButtons() override;
    // A whole channel again, its switch off around the block.
    void SendMusicChannelBlock(int nChannel) override;
    void SendOutputChannelBlock(int nChannel) override;
    // Output nOutput's role from g_roleStates with its default crossover (bAll 0), or the
    // crossovers of all eight outputs (bAll 1), sent with the roles item.
    void SendOutputRoles(int nOutput, int bAll) override;
    void SendPresetNameAndClearCurrent(int nPreset) override;
    // The bands of output nOutput and the outputs linked to it back to their start frequencies.
    void ResetLinkedOutputFreqs(int nOutput) override;
    void ResetOutputChannelFreqs(int nChannel);
    void ResetMusicChannelFreqs(int nChannel) override;
    void CopyOutputAndSend(int nFrom, int nTo);
    void PasteOutputChannel(int nFrom, int nTo) override;
    // Copies each left/right pair one way (0 left into right, 1 right into left) and links it;
    // TRUE when the current output was a target.
    int LinkOutputPairs(int nDirection) override;
    void UnlinkAllOutputs() override;
    // The roles of g_byDevRoles after a file load; bKeepLock leaves a locked output map locked.
    void ApplyLoadedRoles(int bKeepLock);

    // Handshake, version rule and preset batches (HalvekViewBatch.cpp).
    // bReadBack 0: the handshake after a link opened; 1: the read-back after the version was
    // accepted. Called under g_csLink.
    void SendHandshake(int bReadBack);
    void CheckDeviceVersion();
    void ShowVersionMismatch();
    // Reads preset 0 (current; the caller holds g_csLink and the batch count goes on) or a stored
    // preset 1-6 into the live preset.
    void ReadPreset(int nPreset) override;
    // Writes the live preset into preset 0-6; with bPackLive every channel is packed first.
    void WritePreset(int nPreset, int bPackLive) override;
    // Command 726: asks for the file, then reads the six stored presets; 1 when reading started.
    int ReadAllPresets();
    // Writes the live and the six stored presets and the device-state items; the caller holds
    // g_csLink.
    void WriteAllPresets();
    // The live preset's name on the preset-name button and in the name edit.
    void ShowPresetName(const std::string& strName);
    void UpdatePresetName(int bSend) override;
    void ShowReceivedPresetName();
    void ShowLoadedPresetName();

    // Connections (HalvekViewConnect.cpp).
    void OnAutoConnect();
    void OnConnectButton();
    void OnConnectUsbChoice(int nCommand);
    void OnConnectMenuUsb();
    int ConnectUsbPath(const std::string& strPath);
    int ConnectNetwork();
    void OnDeviceChange(WPARAM wEvent, LPARAM lParam);
    void OnNetAvailable();
    void OnNetConnected();
    void OnLinkFailed(LPARAM lParam);
    void OnLinkLost();
    void OnDeviceFault();
    void DisconnectUsb();
    void DisconnectNetwork();
    void CloseComPort();
    // The connect button's face and the link lamp.
    void ShowLinkState(int bConnected);
    // The failure text of the link type being connected (USB or network).
    void ShowConnectFailure() override;
    void HandleDeviceRemoval();
    int IsOnline() const override { return m_link.m_bOnline; }

    // The PC files: one preset, all presets, the output map. Each chooses its file in the file
    // dialog, in the folder remembered for its kind. Saves: 1 written, 0 cancelled or failed.
    // Loads: 1 read and applied, 0 cancelled or failed, the data then as it was. A failure has
    // been told to the user. The Do... entries are the exit prompt's and the commands'.
    int SavePresetFile();
    int DoSavePresetFile() { return SavePresetFile(); }
    int LoadPresetFile();
    int DoLoadPresetFile() { return LoadPresetFile(); }
    // Chooses the file that the stored presets go to once they have been read: 1 when chosen.
    int ChooseAllPresetsFile();
    // Writes the chosen all-presets file (the stored presets have been read).
    int SaveAllPresetsFile();
    int LoadAllPresetsFile();
    int DoLoadAllPresetsFile() { return LoadAllPresetsFile(); }
    int SaveOutputMapFile() override;
    int LoadOutputMapFile() override;
    // The remembered folders of the file dialogs, by slot: 1 one-preset files, 2 all-presets
    // files, 3 output maps, 4 the firmware folder (written with slot 3, read by nothing). Slot 0
    // only makes sure the settings exist. A folder missing or gone becomes the documents folder.
    int LoadFileDirectory(int nSlot);
    int SaveFileDirectory(int nSlot);
    // Ends the device link for good: the worker stops, the USB device leaves the list of devices
    // in use, the network link check ends. Every way of closing the program runs it.
    void ShutDownLink();

    // Opens a pop-up menu below a top-bar button; tests replace it to look at the menu.
    using PopupHandler = std::function<void(wxMenu& menu, const wxPoint& ptClient)>;
    void SetPopupHandler(PopupHandler handler) { m_fnPopup = std::move(handler); }

    // Handlers of the top bar and the pop-ups.
    void OnPageOutput();
    void OnPageInput();
    void OnPageLevel();
    void OnPresetMenu();
    // Commands 720-722: the stored-preset manager in load, save-as or delete mode.
    void OnPresetManager(PresetManagerMode mode);
    void OnToolsMenu();
    void OnLanguage();
    void OnHelp();
    void OnAbout();
    // Tools command 728: the advanced settings dialog; the System button: the dynamics dialog.
    void OnAdvanced();
    void OnSystem();
    void OnMinimize();
    void OnExit();

    // The firmware update: tools command 727 runs its dialog, which asks the view for what
    // follows (the update-link thread's tries included); WM_UPDATE_FINISHED ends an update.
    void OnFirmwareUpdate();
    int ChooseFirmwareFile() override;
    int LoadFirmwareFile() override;
    int DisconnectLink() override;
    int FindHidDevices() override { return m_link.FindHidDevices(); }
    int IsNetworkReachable() override { return m_netSocket.m_bReachable; }
    int ConnectUsbForUpdate(const std::string& strPath) override { return m_updateConnect.ConnectUsbForUpdate(strPath); }
    int ConnectNetworkForUpdate() override { return m_updateConnect.ConnectNetworkForUpdate(); }
    int TryReconnectForUpdate(int bRetry) override { return m_updateConnect.TryReconnectForUpdate(bRetry); }
    void ReportReconnectFailure() override { m_updateConnect.ReportReconnectFailure(); }
    void AbortFirmwareUpdate(bool bTell) override { m_updateConnect.AbortFirmwareUpdate(bTell); }
    void OnUpdateFinished(LPARAM lParam) { m_updateConnect.OnUpdateFinished(lParam); }

    CKTVCommand m_command;
    CUsbInUseList m_usbInUse;
    CNet_Socket m_netSocket;
    CClientSocket m_clientSocket;  // never connected; the network disconnect closes it
    CLinkController m_link;
    CSerialPort m_serialPort;
    CFirmwareUpdate m_firmware;
    CUpdateConnect m_updateConnect;
    CKTV_Data* m_pData = nullptr;

    // The pages, children of the tab control, and the same pages by number (0 music input,
    // 1 output, 2 level and delay): every event of the view reaches each of them.
    CInPutDlg* m_pageInput = nullptr;
    COutputDlg* m_pageOutput = nullptr;
    CLevel_Delay_Dlg* m_pageLevel = nullptr;
    std::array<CPage*, 3> m_pages{};

protected:
    void CreateControls() override;

private:
    CBitButton* PageSelector(int nPage) const;
    CXPButton* ModeButton(int nMode) const;
    void SetConnectFaces(int bConnected);
    void SetMenuLanguage();
    void PopupBelow(wxMenu& menu, wxWindow& button);
    void BindHandlers();
    // Closes the open link by its type (the worker already stopped).
    void DisconnectByLinkType();
    // What every disconnect does to the view and the PC's data once its transport is closed.
    void ResetAfterDisconnect();
    // After a link opened: empty queue, handshake queued, indicator connected, worker started.
    void RunConnectSteps(int nLinkType);
    void BindConnectHandlers();
    // The USB failure text (the missing-permission text when the device could not be opened for
    // that), and the failure text of a link type.
    void ShowUsbFailure();
    void ShowLinkFailure(int nLinkType);
    // Progress of a batch of nRange frames: the bars (the view's own too with bViewBar), the
    // transfer flag, the progress dialog.
    void StartBatchProgress(int nRange, bool bModalLike, bool bViewBar);
    void BindLinkHandlers();
    // The channel packed and queued as one whole block.
    template <class Channel>
    void QueueChannelBlock(Channel& channel, int nBlock, int nChannel);
    template <class Channel>
    void ResendChannel(Channel& channel, int nBlock, int nChannel);
    void OnPresetReceived(WPARAM nPreset);
    void OnAllPresetsReceived();
    void OnStatusReceived(LPARAM nLength);
    // The level page's meters, while it is shown, take the codes the worker last stored.
    void UpdateShownMeters();
    // After a choice of input or mode: the other pages told, items 5 and 2 sent, the quick
    // buttons shown, the stale status reports dropped.
    void RunInputChange(const InputChange& change, const CPage* pChooser);
    // The processor's active input or mode, taken from a status report or loaded settings, told
    // to both pages (WM_DEVICE_INPUT_CHANGED).
    void TellPagesOfDeviceInput(int nSourceByte);
    void OnDeviceSettingsReceived();
    void OnPresetModified();
    // 0x477: the effect takes the live image's effect block (nothing posts it); 0x478 does
    // nothing.
    void OnEffectRefresh();
    // Shows the name on the preset-name button (checked when not empty) and in the name edit.
    void SetPresetNameText(const wxString& strName);
    void OnCharHook(wxKeyEvent& event);
    void OnLButtonDown(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnLButtonUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void BindFileCommands();
    std::string& FileDirectory(int nSlot);
    // The common steps of the file dialogs: the path chosen (a save's with the kind's
    // extension), its folder remembered; empty when cancelled.
    std::string ChooseSaveFile(int nSlot, const char* szExt, const char* szFilter);
    std::string ChooseOpenFile(int nSlot, const char* szExt, const char* szFilter);

    CHalvekDoc& m_doc;

    CPictureStatic* m_stcLogo = nullptr;
    CBitButton* m_btnInputHiLevel = nullptr;
    CBitButton* m_btnInputAux = nullptr;
    CBitButton* m_btnInputPhone = nullptr;
    CShow_Link* m_linkLamp = nullptr;
    CBitButton* m_btnMinimize = nullptr;
    CBitButton* m_btnClose = nullptr;
    CBitButton* m_btnPresetName = nullptr;
    CBitButton* m_btnPageOutput = nullptr;
    CBitButton* m_btnPageInput = nullptr;
    CBitButton* m_btnPageLevel = nullptr;
    CXPButton* m_btnMode[4] = {};
    CXPButton* m_btnPresetMenu = nullptr;
    CXPButton* m_btnSystem = nullptr;
    CXPButton* m_btnReport = nullptr;
    CXPButton* m_btnToolsMenu = nullptr;
    CXPButton* m_btnConnect = nullptr;
    CGradientProgressCtrl* m_progress = nullptr;
    CEnTabCtrl* m_tab = nullptr;

    std::unique_ptr<wxMenu> m_menuPreset;
    std::unique_ptr<wxMenu> m_menuTools;
    std::unique_ptr<wxMenu> m_menuConnect;
    PopupHandler m_fnPopup;

    std::string m_szPaths[7];  // [0] the working directory at start-up, [1]-[6] file patterns
    std::string m_szFilePath;     // one-preset files
    std::string m_szAllFilePath;  // all-presets files
    std::string m_szMapPath;      // output maps
    std::string m_szHexPath;      // the firmware directory
    wxFont m_fontName;
    CMsgBox* m_pMsgBox = nullptr;

    int m_nBatchCount = 0;       // frames counted into the current batch (under g_csLink)
    int m_nSavedMasterOn = 0;    // master switch saved by the mute bracket
    int m_nSavedChannelOn = 0;   // channel switch saved while the channel is resent
    CKTV_OutData* m_pCurOutData = nullptr;
    CMusic_InData* m_pCurMusicData = nullptr;

    wxRect m_rcClient;
    bool m_bDragging = false;
    wxPoint m_ptDrag;
};

// The main view, while it exists (UI thread).
extern CHalvekView* g_pView;
// The working directory at start-up and the help files beside it.
extern std::string g_szStartDir;
extern std::string g_szHelpFileCn;
extern std::string g_szHelpFileEn;
