#pragma once
// The raw IMU data (Group 4) and the navigation solution transferred to the two user sensor
// frames (Groups 102 to 105).

#include "protocol/navigation_groups.h"
#include "views/Form_table_view.h"
#include "views/sensor_records.h"

// The IMU's increments, type, data rate and bad-frame status.
class TFormImuData : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormImuData(QWidget *parent = nullptr);
};

// "Sensor 1" (Groups 102 and 104) and "Sensor 2" (Groups 103 and 105) on two pages alike: the
// solution, and its accuracy beside it.
class TFormSensor : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormSensor(QWidget *parent = nullptr);

private:
    template <class TSolution, class TPerformance>
    void add_sensor_page(const QString &title);
};

// The text of the IMU's bad-frame status: "Good", the most bad frames its bits report, or
// "Unknown: " and the value.
QString ImuDataStatusText(unsigned status);
// The IMU's data rate in Hz by its code, or "Unknown: " and the code.
QString ImuDataRateText(long long code);
