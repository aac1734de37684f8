#pragma once
// The status windows of the computer's tasks and ports, one group each (the Ethernet ports
// window three): each is its caption and the table of its group.

#include "views/Form_status_window.h"

// COM1 (NMEA) port.
class TFormNmeaStatus : public TFormStatusWindow {
public:
    explicit TFormNmeaStatus(QWidget *parent = nullptr);
};

// The TWAN task.
class TFormTwanStatus : public TFormStatusWindow {
public:
    explicit TFormTwanStatus(QWidget *parent = nullptr);
};

// The analog output port.
class TFormAnalogStatus : public TFormStatusWindow {
public:
    explicit TFormAnalogStatus(QWidget *parent = nullptr);
};

// COM2 (binary) port.
class TFormRtStatus : public TFormStatusWindow {
public:
    explicit TFormRtStatus(QWidget *parent = nullptr);
};

// The primary GNSS receiver's processor.
class TFormPriGpsStatus : public TFormStatusWindow {
public:
    explicit TFormPriGpsStatus(QWidget *parent = nullptr);
};

// The secondary GNSS receiver's processor.
class TFormSecGpsStatus : public TFormStatusWindow {
public:
    explicit TFormSecGpsStatus(QWidget *parent = nullptr);
};

// The first auxiliary GNSS receiver's processor.
class TFormAuxGpsStatus : public TFormStatusWindow {
public:
    explicit TFormAuxGpsStatus(QWidget *parent = nullptr);
};

// The second auxiliary GNSS receiver's processor.
class TFormAux2GpsStatus : public TFormStatusWindow {
public:
    explicit TFormAux2GpsStatus(QWidget *parent = nullptr);
};

// The discrete (timing and event) processor.
class TFormDiscreteStatus : public TFormStatusWindow {
public:
    explicit TFormDiscreteStatus(QWidget *parent = nullptr);
};

// The IMU processor.
class TFormImuStatus : public TFormStatusWindow {
public:
    explicit TFormImuStatus(QWidget *parent = nullptr);
};

// The system monitor.
class TFormSystemStatus : public TFormStatusWindow {
public:
    explicit TFormSystemStatus(QWidget *parent = nullptr);
};

// The output manager.
class TFormOmgrStatus : public TFormStatusWindow {
public:
    explicit TFormOmgrStatus(QWidget *parent = nullptr);
};

// PC card logging.
class TFormScsiLoggingStatus : public TFormStatusWindow {
public:
    explicit TFormScsiLoggingStatus(QWidget *parent = nullptr);
};

// The input manager.
class TFormImgrStatus : public TFormStatusWindow {
public:
    explicit TFormImgrStatus(QWidget *parent = nullptr);
};

// The three Ethernet ports, one at a time.
class TFormEthernetPortsStatus : public TFormStatusWindow {
public:
    explicit TFormEthernetPortsStatus(QWidget *parent = nullptr);
};
