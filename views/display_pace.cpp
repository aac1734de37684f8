#include "views/display_pace.h"

CDisplay_pace::CDisplay_pace(QWidget &window, std::function<void()> fill)
    : m_window(window), m_fill(std::move(fill))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(1000 / fills_per_second);
    QObject::connect(&m_timer, &QTimer::timeout, &window, [this] { fill_now(); });
}

void CDisplay_pace::request()
{
    if (m_window.isVisible() && !m_timer.isActive()) {
        m_timer.start();
    }
}

void CDisplay_pace::fill_now()
{
    m_timer.stop();
    m_fill();
}
