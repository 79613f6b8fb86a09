#pragma once
// The firmware update dialog: the chosen ".bin" file with a Browse button, Update, Quit, the
// status line and the progress bar that the link worker fills (by posting: the worker never
// touches a window). Update closes the normal link, picks the processor (one USB device or the
// network at once, a popup when there is a choice), loads the file and opens the link in firmware
// mode; when the processor cannot be opened at once, the update-link thread polls for it. While
// the dialog waits or updates, a second Update does nothing; Quit during an update asks first
// and aborts it; Quit while waiting ends the poll, and a link a last try opened is closed again,
// so no update outlives the dialog. Enter and Escape do not close it; the close box is Quit.
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/TemplateDialog.h"
#include "link/UpgradeDlgIds.h"
#include "platform/Message.h"

class CGradientProgressCtrl;
class CTransparentStatic;
class CUpData_Thread;
class wxChoice;
class wxMenu;
class wxTextCtrl;

// What the dialog asks of the main view.
class IUpgradeView {
public:
    virtual ~IUpgradeView() = default;
    virtual int ChooseFirmwareFile() = 0;
    virtual int LoadFirmwareFile() = 0;
    virtual int DisconnectLink() = 0;
    // Enumerates the processors on USB into g_usbDevicePaths.
    virtual int FindHidDevices() = 0;
    // The network link check found the processor.
    virtual int IsNetworkReachable() = 0;
    virtual int ConnectUsbForUpdate(const std::string& strPath) = 0;
    virtual int ConnectNetworkForUpdate() = 0;
    // One try of the poll; runs on the update-link thread and shows nothing.
    virtual int TryReconnectForUpdate(int bRetry) = 0;
    virtual void ReportReconnectFailure() = 0;
    virtual void AbortFirmwareUpdate(bool bTell) = 0;
};

class CUpgradeDlg : public CTemplateDialog {
public:
    using enum UpgradeDlgIds::Id;
    enum {
        ID_PICK_USB = 732,
        ID_PICK_NETWORK = 733,
        ID_USB_FIRST = 6600,
        ID_USB_LAST = 6700,
    };
    explicit CUpgradeDlg(IUpgradeView& view);
    ~CUpgradeDlg() override;

    // The poll's period: 500 ms, shorter in tests.
    void SetPollPeriod(std::chrono::milliseconds period) { m_pollPeriod = period; }

    void OnBrowse();
    void OnUpdate();
    void OnQuit();
    int StartUsbUpdate(const std::string& strPath);
    int StartNetUpdate();
    void OnReconnectResult(LPARAM lParam);

    CGradientProgressCtrl* Bar() const { return m_pBar; }
    CTransparentStatic* Tip() const { return m_pTip; }
    wxTextCtrl* PathEdit() const { return m_pPath; }
    wxChoice* PortList() const { return m_pPorts; }
    CUpData_Thread* Thread() const { return m_pThread.get(); }
    const std::string& SelectedPort() const { return m_strComPort; }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose() override;
    // Opens the device choice under the Update button; a test answers it instead.
    virtual void ShowPopup(wxMenu& menu, const wxPoint& pt);

private:
    class CTipPoster;

    void FillComPortList();
    void StartUpdate(int nLinkType, const std::function<int()>& fnConnect);
    void OnMenu(int nId);
    void EndWaiting();

    IUpgradeView& m_view;
    wxTextCtrl* m_pPath = nullptr;
    CTransparentStatic* m_pTip = nullptr;
    CGradientProgressCtrl* m_pBar = nullptr;
    wxChoice* m_pPorts = nullptr;
    std::unique_ptr<CTipPoster> m_pTipPoster;
    std::unique_ptr<CUpData_Thread> m_pThread;
    std::vector<std::string> m_usbPaths;  // the paths the popup offers
    std::string m_strComPort = "NULL";
    int m_nResult = 0;                    // of the last open attempt
    std::chrono::milliseconds m_pollPeriod{500};
};

// The main view's firmware command: runs the dialog modally, then leaves firmware mode.
void RunFirmwareUpdateDialog(wxWindow* pParent, IUpgradeView& view);
