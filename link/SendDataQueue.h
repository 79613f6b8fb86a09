#pragma once
// The frames waiting to be sent, in sending order. The head is the frame in flight; the queue
// owns its frames and deletes them when they are removed.
#include <deque>
#include <memory>

#include "link/SendData.h"

class CSendDataQueue {
public:
    void Add(std::unique_ptr<CSendData> pFrame) { m_frames.push_back(std::move(pFrame)); }
    // The head frame, or none when the queue is empty.
    CSendData* GetHead() const { return m_frames.empty() ? nullptr : m_frames.front().get(); }
    int GetCount() const { return static_cast<int>(m_frames.size()); }
    // Deletes the head frame; false when the queue was empty.
    bool RemoveHead();
    void Clear() { m_frames.clear(); }

private:
    std::deque<std::unique_ptr<CSendData>> m_frames;
};
