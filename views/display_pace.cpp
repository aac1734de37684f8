#include "views/display_pace.h"

namespace {

constexpr int fill_period_ms = 1000 / CDisplay_pace::fills_per_second;

} // namespace

CDisplay_pace::CDisplay_pace(QWidget &window, std::function<void()> fill)
    : m_window(window), m_fill(std::move(fill))
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &window, [this] { fill_now(); });
}

void CDisplay_pace::request()
{
    if (!m_window.isVisible() || m_timer.isActive()) {
        return;
    }
    const qint64 since = m_since_fill.isValid() ? m_since_fill.elapsed() : fill_period_ms;
    if (since >= fill_period_ms) {
        fill_now();
    } else {
        m_timer.start(static_cast<int>(fill_period_ms - since));
    }
}

void CDisplay_pace::fill_now()
{
    m_timer.stop();
    m_since_fill.start();
    m_fill();
}
