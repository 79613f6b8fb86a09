#pragma once
// Every time limit and pause of the link worker and its transports, in one place, so that tests
// can shrink them and run in seconds. The defaults are the processor's: they are what it needs.
#include <chrono>

#include "platform/Hid.h"

struct CLinkTimeouts {
    using ms = std::chrono::milliseconds;

    // The worker.
    ms idleWait{5000};    // longest wait for one of its events; a time-out does nothing
    ms passPause{5};      // after each normal transaction
    ms idlePause{50};     // a pass with nothing it may do (no network link, no firmware packet)
    ms slice{50};         // blocking waits run in slices this long, so a stop is seen quickly

    // USB, normal traffic: the wait for one input report and for the whole reply.
    ms usbReportWait{2000};
    ms usbReplyLimit{3000};
    ms usbLongReportWait{50000};  // a long operation (load factory defaults)
    ms usbLongReplyLimit{50000};
    ms failurePause{10};          // before the failure of a reply that came too late is posted
    HidOpenRetry hidOpen;         // an open that meets a permission udev has not set yet

    // USB, firmware traffic.
    ms usbEnterUpdate{1000};       // the enter-update pattern is written for this long
    ms usbEnterUpdateStep{5};
    ms enterUpdateStatus{250};     // the enter pattern tells the status line at most this often
    ms firmwareWaitUnit{1000};     // the reply waits of the firmware commands count these
    ms hexApplyPause{5000};        // the processor re-enumerates after applying its firmware

    // Network.
    ms netReplyWindow{4000};   // a reply must complete within this since the transaction began
    ms netReconnectPause{2000};
    ms netResetWait{30000};    // the WiFi module resets after the factory-default command
    ms netResetTail{4000};
    ms netEnterUpdate{4000};   // the enter-update pattern is sent for this long
    ms netFirmwarePause{100};  // a firmware pass while the processor is not reachable
    ms netResendPause{1000};   // after a failed firmware send
};
