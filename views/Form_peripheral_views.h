#pragma once
// The views of the computer's optional peripheral inputs: the status of the range finder and
// gimbal processors (status windows), the target reference position, the gimbal's encoders, the
// range finder's data and the user time input.

#include "views/Form_status_window.h"
#include "views/peripheral_records.h"

// The range finder processor (Group 20201).
class TFormLrfStatus : public TFormStatusWindow {
    Q_OBJECT
public:
    explicit TFormLrfStatus(QWidget *parent = nullptr);
};

// The gimbal processor (Group 20200).
class TFormGimbalStatus : public TFormStatusWindow {
    Q_OBJECT
public:
    explicit TFormGimbalStatus(QWidget *parent = nullptr);
};

// The target position computed from the gimbal and the range (Group 201).
class TFormTargetRefPosition : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormTargetRefPosition(QWidget *parent = nullptr);
};

// The gimbal's angle encoders (Group 200).
class TFormGimbalData : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormGimbalData(QWidget *parent = nullptr);
};

// The laser range finder and radar altimeter (Group 202).
class TFormLrfData : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormLrfData(QWidget *parent = nullptr);
};

// The user time input (Groups 204 and 17, in the same controls).
class TFormUserTime : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormUserTime(QWidget *parent = nullptr);

private:
    template <class TGroup>
    void add_rows(CView_box &box);
    // "Valid" or "Invalid", in the colour of each; sets the label's colour as it goes.
    QString time_status(CUser_time_group &group);

    TValueLabel *m_time_status = nullptr;
};
