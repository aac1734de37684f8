#pragma once
// Window messages: a number with two arguments, posted to a receiver and handled later, on the
// GUI thread, in the order posted. A receiver handles them in its event().

#include <QEvent>
#include <QString>

#include <cstdint>

// Message numbers that cross subsystems. All lie in Qt's range for user events.
namespace window_message {

inline constexpr int connect_result = 34768;  // wParam: 0 connected, else the error code
inline constexpr int datagram_sender = 34769; // lParam: sender address, host order
inline constexpr int error_notice = 34771;    // rejected command, status alarm
inline constexpr int message_notice = 34772;
inline constexpr int control_lost = 34773; // wParam: the error code, also its text's number
inline constexpr int host_lookup = 34780;  // wParam: the address found (0: none); text: the name

inline constexpr int display_socket = 35768; // the display receiver's readiness notices
inline constexpr int display_error = 35769;
inline constexpr int display_lookup = 35770;
inline constexpr int control_socket = 35868; // the control client's readiness notices
inline constexpr int control_error = 35869;
inline constexpr int control_connect = 35870;
inline constexpr int lidar_socket = 37868; // the lidar tool's scanner connection: readiness
inline constexpr int lidar_error = 37869;
inline constexpr int lidar_connect = 37870;

} // namespace window_message

class QObject;

class CWindow_message : public QEvent {
public:
    CWindow_message(int number, std::uintptr_t wparam, std::intptr_t lparam, QString text = {});

    int number() const { return static_cast<int>(type()); }
    std::uintptr_t wparam() const { return m_wparam; }
    std::intptr_t lparam() const { return m_lparam; }
    // A text that travels with the message (the result of a name lookup).
    const QString &text() const { return m_text; }

    // What the handler answers; 0 until it sets one.
    std::intptr_t result() const { return m_result; }
    void set_result(std::intptr_t result) { m_result = result; }

private:
    std::uintptr_t m_wparam;
    std::intptr_t m_lparam;
    QString m_text;
    std::intptr_t m_result = 0;
};

// Posts a window message to `receiver`. Safe to call from any thread.
void PostWindowMessage(QObject *receiver, int number, std::uintptr_t wparam = 0,
                       std::intptr_t lparam = 0, QString text = {});

// The window message an event carries, or null when it is another event.
CWindow_message *AsWindowMessage(QEvent *event);
