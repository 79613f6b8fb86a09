#pragma once
// The main view's connection work for a firmware update, without windows: opening the processor
// in firmware mode by a USB path or over the network, one try of the update dialog's reconnect
// poll, the abort, and the end of a finished update. The link is opened with the queue emptied
// and g_bUpdating set, so the worker it starts serves firmware traffic only.
//
// The tries of the poll run on the update-link thread and never show a message; the failure of
// the final try is reported by ReportReconnectFailure on the UI thread, where message boxes open.
#include <functional>
#include <string>

#include "platform/Message.h"

class CKTVCommand;
class CLinkController;
class CNet_Socket;

class CUpdateConnect {
public:
    // fnDisconnect closes the link by its type as the view's disconnect does (worker stopped).
    CUpdateConnect(CLinkController& link, CKTVCommand& command, CNet_Socket& net, std::function<void()> fnDisconnect)
        : m_link(link), m_command(command), m_net(net), m_fnDisconnect(std::move(fnDisconnect))
    {
    }

    // 1 when the link is open in firmware mode and the worker started.
    int ConnectUsbForUpdate(const std::string& strPath);
    int ConnectNetworkForUpdate();
    // One try of the poll by g_nLinkType: bRetry 1 for the quiet tries, 0 for the final one.
    int TryReconnectForUpdate(int bRetry);
    // The final try failed: leave firmware mode and tell the user. UI thread.
    void ReportReconnectFailure();
    // The dialog's Quit during an update: ends the link, leaves firmware mode; with bTell the
    // failure is shown.
    void AbortFirmwareUpdate(bool bTell = true);
    // WM_UPDATE_FINISHED: only lParam 0x39 ends the update, with its success message.
    void OnUpdateFinished(LPARAM lParam);

private:
    void StartFirmwareLink();

    CLinkController& m_link;
    CKTVCommand& m_command;
    CNet_Socket& m_net;
    std::function<void()> m_fnDisconnect;
};
