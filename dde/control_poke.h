#pragma once
// What the tracker's control text asks of the computer: lidar logging and flight line, a new
// start of the output ports, the gimbal, PC-card logging, the mode and the yaw drift correction,
// each sent as its message through the control port, in that order.
//
// A message carries the computer's current values, from its echo, except for what the text sets.
// Before the computer has echoed a message, that message is sent only when the text sets the
// whole of it (the mode); otherwise it is not sent, and the message log says why.

#include "dde/published_values.h"

#include <QCoreApplication>
#include <QStringList>

class CMessage103;
class CMessage104;

class CControl_poke {
    Q_DECLARE_TR_FUNCTIONS(CControl_poke)
public:
    explicit CControl_poke(SEchoed_states &states);

    // Reads the keys of the poked lines and sends what they ask for.
    void apply(const QStringList &lines);

private:
    void lidar(const QStringList &lines);
    void output_ports(const QStringList &lines);
    void gimbal(const QStringList &lines);
    void pc_card(const QStringList &lines);
    void mode(const QStringList &lines);
    void yaw_drift(const QStringList &lines);

    SEchoed_states &m_states;
    CMessage20206 *m_lidar = nullptr;
    CMessage103 *m_com2 = nullptr;
    CMessage104 *m_com3 = nullptr;
    CMessage20205 *m_gimbal = nullptr;
    CMessage4 *m_pc_card = nullptr;
    CMessage7 *m_mode = nullptr;
    CMessage20201 *m_yaw_drift = nullptr;
};
