#pragma once
// Runs an action soon after a change, but at most once per interval: changes that come while the
// action waits are taken by the same run. The action never runs inside the call that reports a
// change, so that reporting is cheap enough for the receive path.

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <functional>

class CCoalescing_timer {
public:
    CCoalescing_timer(std::chrono::milliseconds interval, std::function<void()> action);
    CCoalescing_timer(const CCoalescing_timer &) = delete;
    CCoalescing_timer &operator=(const CCoalescing_timer &) = delete;

    // Something changed: the action runs on a later turn of the event loop, as soon as the
    // interval since its last run allows.
    void changed();
    bool pending() const { return m_timer.isActive(); }

private:
    void run();

    std::chrono::milliseconds m_interval;
    std::function<void()> m_action;
    QTimer m_timer;
    QElapsedTimer m_since_run;
};
