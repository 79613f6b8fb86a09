#include "link/StatusNews.h"

void CStatusNews::Reset()
{
    m_bMetersOwed = true;
    m_lastMeterNews.reset();
}

bool CStatusNews::Take(bool bMetersChanged, bool bInputNew, Clock::time_point now)
{
    // Hidden meters are owed nothing: the page reads the codes when it is shown.
    m_bMetersOwed = m_bMetersShown && (m_bMetersOwed || bMetersChanged);
    const bool bFrameDue = m_bMetersOwed && (!m_lastMeterNews || now - *m_lastMeterNews >= METER_FRAME);
    if (!bInputNew && !bFrameDue)
        return false;
    if (m_bMetersOwed) {
        // Any message shows the meters the codes it finds.
        m_bMetersOwed = false;
        m_lastMeterNews = now;
    }
    return true;
}
