#include "automation/coalescing_timer.h"

#include <algorithm>

CCoalescing_timer::CCoalescing_timer(std::chrono::milliseconds interval,
                                     std::function<void()> action)
    : m_interval(interval), m_action(std::move(action))
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire a little early, which would shorten the interval.
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { run(); });
}

void CCoalescing_timer::changed()
{
    if (m_timer.isActive()) {
        return;
    }
    const std::chrono::milliseconds since_run(m_since_run.isValid() ? m_since_run.elapsed()
                                                                    : m_interval.count());
    m_timer.start(std::max(std::chrono::milliseconds(0), m_interval - since_run));
}

void CCoalescing_timer::run()
{
    m_since_run.start();
    m_action();
}
