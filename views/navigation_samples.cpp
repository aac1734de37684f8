#include "views/navigation_samples.h"

#include "views/view_rules.h"

std::function<std::optional<double>()> NavigationSampleOf(TFormTarvo::EValue which,
                                                          CGroup1 &navigation, CGroup2 &accuracy)
{
    using enum TFormTarvo::EValue;
    auto axis_of = [which](TFormTarvo::EValue first) {
        return static_cast<std::size_t>(which - first);
    };
    switch (which) {
    case Latitude:
        return SampleOf(navigation, navigation.position().latitude());
    case Longitude:
        return SampleOf(navigation, navigation.position().longitude());
    case Altitude:
        return SampleOf(navigation, navigation.position().altitude());
    case North:
    case East:
    case Down:
        return SampleOf(navigation, navigation.velocity().component(axis_of(North)));
    case Roll:
    case Pitch:
    case Heading:
        return SampleOf(navigation, navigation.attitude().component(axis_of(Roll)));
    case LongitudinalAngRate:
    case TransverseAngRate:
    case VerticalAngRate:
        return SampleOf(navigation,
                        navigation.angular_rate().component(axis_of(LongitudinalAngRate)));
    case LongitudinalAccel:
    case TransverseAccel:
    case VerticalAccel:
        return SampleOf(navigation,
                        navigation.angular_accel().component(axis_of(LongitudinalAccel)));
    case TrackAngle:
        return SampleOf(navigation, navigation.track_angle());
    case LatitudeAcc:
    case LongitudeAcc:
    case AltitudeAcc:
        return SampleOf(accuracy, accuracy.rms_position().component(axis_of(LatitudeAcc)));
    case NorthAcc:
    case EastAcc:
    case DownAcc:
        return SampleOf(accuracy, accuracy.rms_velocity().component(axis_of(NorthAcc)));
    case RollAcc:
    case PitchAcc:
    case HeadingAcc:
        return SampleOf(accuracy, accuracy.rms_attitude().component(axis_of(RollAcc)));
    default:
        return {};
    }
}
