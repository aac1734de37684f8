#pragma once
// Fills a window's controls at most at the screen's pace, from the newest data taken in, and
// only while the window is shown: the cost of showing then does not grow with the rate at which
// the computer sends.

#include <QTimer>
#include <QWidget>

#include <functional>

class CDisplay_pace {
public:
    static constexpr int fills_per_second = 30;

    // `fill` fills the controls of `window` from what it took in last.
    CDisplay_pace(QWidget &window, std::function<void()> fill);

    // New data came: the controls are filled within a screen refresh, if the window is shown.
    void request();
    // Fills now; a fill that was due is not made twice.
    void fill_now();
    // Drops a fill that was due.
    void cancel() { m_timer.stop(); }

private:
    QWidget &m_window;
    std::function<void()> m_fill;
    QTimer m_timer;
};
