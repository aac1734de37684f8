#include "views/Form_sensor_views.h"

#include <iterator>

namespace {

QString unknown(long long value)
{
    return QObject::tr("Unknown: %1").arg(value);
}

const CText_rule three_decimals = CText_rule::picture("0.000");

} // namespace

QString ImuDataStatusText(unsigned status)
{
    if (status == 0) {
        return QObject::tr("Good");
    }
    if ((status & 0x4U) != 0) {
        return QObject::tr("3 Bad Frames");
    }
    if ((status & 0x2U) != 0) {
        return QObject::tr("2 Bad Frames");
    }
    if ((status & 0x1U) != 0) {
        return QObject::tr("1 Bad Frame");
    }
    return unknown(status);
}

QString ImuDataRateText(long long code)
{
    static const char *const rates[] = {"50", "100", "200", "400", "125",
                                        "500", "250", "300", "180"};
    if (code >= 0 && code < static_cast<long long>(std::size(rates))) {
        return QString::fromLatin1(rates[code]);
    }
    return unknown(code);
}

TFormImuData::TFormImuData(QWidget *parent) : TFormTableView("FormImuData", parent)
{
    setWindowTitle(tr("IMU Data"));
    auto &imu = group<CGroup4>();
    CView_page &own = area(3);
    CView_box &velocity = own.box(tr("Delta Velocity"));
    CView_box &angle = own.box(tr("Delta Angle"));
    const QString axes[] = {tr("X"), tr("Y"), tr("Z")};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        velocity.value(axes[axis], imu, [axis](CGroup4 &group) -> auto & {
            return group.delta_velocity().component(axis);
        });
        angle.value(axes[axis], imu, [axis](CGroup4 &group) -> auto & {
            return group.delta_angle().component(axis);
        });
    }
    CView_box &general = own.box(tr("General"));
    general.value(tr("IMU Type"), imu, &CGroup4::imu_type);
    general.value(tr("Data Status"), imu, &CGroup4::bad_frame_status,
                  CText_rule::computed(
                      [](double status) { return ImuDataStatusText(static_cast<unsigned>(status)); },
                      {tr("3 Bad Frames"), unknown(254)}));
    general.value(tr("Data Rate (Hz)"), imu, &CGroup4::data_rate,
                  CText_rule::computed(
                      [](double code) { return ImuDataRateText(static_cast<long long>(code)); },
                      {unknown(255)}));
    ResetDisplay(0);
}

TFormSensor::TFormSensor(QWidget *parent) : TFormTableView("FormSensor", parent)
{
    setWindowTitle(tr("Reference Frame Navigation"));
    add_sensor_page<CGroup102, CGroup104>(tr("Sensor 1"));
    add_sensor_page<CGroup103, CGroup105>(tr("Sensor 2"));
    ResetDisplay(0);
}

template <class TSolution, class TPerformance>
void TFormSensor::add_sensor_page(const QString &title)
{
    auto &solution = group<TSolution>();
    auto &performance = group<TPerformance>();
    CView_page &sensor = page(title);
    CView_box &frame = sensor.box(QString());
    frame.value(tr("Wander Angle (deg)"), solution, &TSolution::wander_angle, three_decimals);
    frame.value(tr("Heave (m)"), solution, &TSolution::heave, three_decimals);

    CView_box &position = sensor.box(tr("Position"), {tr("Value"), tr("Accuracy (m)")});
    position.value(tr("Latitude"), solution,
                   [](TSolution &group) -> auto & { return group.position().latitude(); },
                   LatitudeRule());
    position.value(tr("Latitude"), performance,
                   [](TPerformance &group) -> auto & { return group.rms_position().north(); },
                   three_decimals);
    position.value(tr("Longitude"), solution,
                   [](TSolution &group) -> auto & { return group.position().longitude(); },
                   LongitudeRule());
    position.value(tr("Longitude"), performance,
                   [](TPerformance &group) -> auto & { return group.rms_position().east(); },
                   three_decimals);
    position.value(tr("Altitude (m)"), solution,
                   [](TSolution &group) -> auto & { return group.position().altitude(); },
                   three_decimals);
    position.value(tr("Altitude (m)"), performance,
                   [](TPerformance &group) -> auto & { return group.rms_position().down(); },
                   three_decimals);

    const QString velocity_captions[] = {tr("Along track (m/s)"), tr("Across track (m/s)"),
                                         tr("Down (m/s)")};
    CView_box &velocity = sensor.box(tr("Velocity"), {tr("Value"), tr("Accuracy (m/s)")});
    const QString attitude_captions[] = {tr("Roll (deg)"), tr("Pitch (deg)"), tr("Heading (deg)")};
    CView_box &attitude = sensor.box(tr("Attitude"), {tr("Value"), tr("Accuracy (deg)")});
    for (std::size_t axis = 0; axis < 3; ++axis) {
        velocity.value(velocity_captions[axis], solution,
                       [axis](TSolution &group) -> auto & {
                           return group.velocity().component(axis);
                       },
                       three_decimals);
        velocity.value(velocity_captions[axis], performance,
                       [axis](TPerformance &group) -> auto & {
                           return group.rms_velocity().component(axis);
                       },
                       three_decimals);
        attitude.value(attitude_captions[axis], solution,
                       [axis](TSolution &group) -> auto & {
                           return group.attitude().component(axis);
                       },
                       axis == 2 ? HeadingRule() : three_decimals);
        attitude.value(attitude_captions[axis], performance,
                       [axis](TPerformance &group) -> auto & {
                           return group.rms_attitude().component(axis);
                       },
                       three_decimals);
    }

    const QString dynamics_captions[] = {tr("Longitudinal"), tr("Transverse"), tr("Vertical")};
    const char *const dynamics_names[] = {"Longitudinal", "Transverse", "Vertical"};
    // Named here: the column title's "m/s²" would put a non-ASCII character into the names.
    const QString dynamics_prefix = QString(title).remove(' ') + QStringLiteral("Dynamics");
    CView_box &dynamics =
        sensor.box(tr("Dynamics"), {tr("Angular Rate (deg/s)"), tr("Acceleration (m/s² )")});
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const QString name = dynamics_prefix + QLatin1String(dynamics_names[axis]);
        dynamics.value(dynamics_captions[axis], solution,
                       [axis](TSolution &group) -> auto & {
                           return group.angular_rate().component(axis);
                       },
                       three_decimals, name + QStringLiteral("AngularRate"));
        dynamics.value(dynamics_captions[axis], solution,
                       [axis](TSolution &group) -> auto & {
                           return group.angular_accel().component(axis);
                       },
                       three_decimals, name + QStringLiteral("Acceleration"));
    }
}
