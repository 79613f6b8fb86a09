#include "link/SendDataQueue.h"

bool CSendDataQueue::RemoveHead()
{
    if (m_frames.empty())
        return false;
    m_frames.pop_front();
    return true;
}
