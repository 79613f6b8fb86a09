// The main view's part in a firmware update: the tools command that runs the update dialog, the
// file load with the view's own bar.
#include "app/HalvekView.h"
#include "controls/GradientProgressCtrl.h"

void CHalvekView::OnFirmwareUpdate()
{
    RunFirmwareUpdateDialog(this, *this);
}

int CHalvekView::LoadFirmwareFile()
{
    if (!m_firmware.LoadFirmwareFile())
        return 0;
    m_progress->SetRange(0, m_firmware.GetPacketEstimate());
    return 1;
}
