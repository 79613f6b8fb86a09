#pragma once
// Which of the processor's status replies the main view is told of. A connected link polls the
// status about 97 times a second, and every message to the view wakes the UI thread and the
// toolkit's walk over all windows; the view acts on a status only to follow a new active input
// and, while the level page shows them, to show the output meters. So a reply is told when it
// names an input the view would follow, and, while the meters are shown, when the meter codes
// changed since the view last took them, at most once per meter frame: a change that comes
// within a frame waits for the first reply after it. Runs on the thread that parses the
// replies; the view says from its own thread whether the meters are shown.
#include <atomic>
#include <chrono>
#include <optional>

class CStatusNews {
public:
    using Clock = std::chrono::steady_clock;
    // The meters show at most 25 frames a second, so the view is told no more often.
    static constexpr std::chrono::milliseconds METER_FRAME{40};

    // Any thread. A page that shows the meters takes the stored codes itself when it is shown.
    void SetMetersShown(bool bShown) { m_bMetersShown = bShown; }
    bool AreMetersShown() const { return m_bMetersShown; }
    // A new link: its first status is news to meters shown.
    void Reset();
    // For each status reply, once it is stored: whether its meter codes differ from the reply
    // before, and whether it names an input the view would follow. True when the view is to be
    // told now.
    bool Take(bool bMetersChanged, bool bInputNew, Clock::time_point now);

private:
    std::atomic<bool> m_bMetersShown{false};
    bool m_bMetersOwed = true;  // codes the meters shown have not been told of
    std::optional<Clock::time_point> m_lastMeterNews;  // none yet on this link
};
