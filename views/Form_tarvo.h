#pragma once
// The program's main form: the main window with the navigation display filling it — position,
// velocity, attitude and dynamics with their accuracies, event and PPS times, the status words,
// four accuracy lamps, track and speed, disk usage and, when there is one, the lidar's state.

#include "controls/value_label.h"
#include "protocol/group_copy.h"
#include "protocol/navigation_messages.h"
#include "shell/Form_main.h"
#include "shell/value_plotter.h"
#include "views/display_pace.h"

#include <array>
#include <optional>

class CLed_image;
class QGridLayout;
class QGroupBox;
class QLabel;

class TFloatGauge;

class TFormTarvo : public TFormMain, public IPlot_sources {
    Q_OBJECT
public:
    // The value labels, by their control names.
    enum EValue {
        Latitude,
        Longitude,
        Altitude,
        LatitudeAcc,
        LongitudeAcc,
        AltitudeAcc,
        North,
        East,
        Down,
        NorthAcc,
        EastAcc,
        DownAcc,
        Roll,
        Pitch,
        Heading,
        RollAcc,
        PitchAcc,
        HeadingAcc,
        LongitudinalAngRate,
        TransverseAngRate,
        VerticalAngRate,
        LongitudinalAccel,
        TransverseAccel,
        VerticalAccel,
        EventTime1,
        EventTime2,
        PpsTime,
        EventCount1,
        EventCount2,
        PpsCount,
        KoruMode,
        ImuStatus,
        GpsStatus,
        GimbalStatus,
        ScsiStatus,
        LidarStatus,
        TrackAngle,
        value_count
    };
    enum ELamp { LedAttitude, LedHeading, LedPosition, LedVelocity, lamp_count };

    explicit TFormTarvo(const SStart_options &start, QWidget *parent = nullptr);

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;
    void SetDataStale(bool stale) override;
    void RefreshDisplay() override;

    TValueLabel *value(EValue which) const { return m_values[which]; }
    CLed_image *lamp(ELamp which) const { return m_lamps[which]; }
    TFloatGauge *ScsiGauge() const { return m_disk_gauge; }
    TFloatGauge *GaugeVesselSpeed() const { return m_speed_gauge; }
    // Selects or deselects the free inertial mode, as its menu entry does.
    void FreeInertial1Click();
    // The values of the navigation solution and its accuracies, read from the frame just
    // received.
    std::optional<SPlot_source> plot_source(const QString &control) override;

protected:
    void showEvent(QShowEvent *event) override;
    QSize readable_minimum_size() const override;
    bool FormCloseQuery() override;

private:
    void build_display();
    QGroupBox *value_box(const QString &caption, QGridLayout *&grid);
    TValueLabel *add_value(QGridLayout *grid, EValue which, int row, int column);
    void add_menu_entries();
    void offer_plotting();
    void show_lidar_entries(bool shown);
    void set_text(EValue which, const QString &text);

    void fill();
    void show_navigation();
    void show_accuracy();
    bool show_pulses(CPulse_group &group, EValue time, EValue count);
    void show_disk();
    void show_versions();
    void show_lidar();
    void show_status_words();

    CGroup1 *m_navigation = nullptr;
    CGroup2 *m_accuracy = nullptr;
    // What the labels show, as taken in last; filled at the screen's pace.
    TGroup_copy<CGroup1> m_navigation_copy;
    TGroup_copy<CGroup2> m_accuracy_copy;
    bool m_navigation_taken = false;
    bool m_accuracy_taken = false;
    CDisplay_pace m_pace;
    CGroup4 *m_imu = nullptr;
    CGroup5 *m_event1 = nullptr;
    CGroup6 *m_event2 = nullptr;
    CGroup7 *m_pps = nullptr;
    CGroup8 *m_disk = nullptr;
    CGroup99 *m_versions = nullptr;
    CGroup_fdir *m_status = nullptr;
    CGroup20202 *m_lidar = nullptr;
    CMessage2 *m_display_groups = nullptr;

    std::array<TValueLabel *, value_count> m_values{};
    std::array<CLed_image *, lamp_count> m_lamps{};
    QLabel *m_lidar_caption = nullptr;
    TFloatGauge *m_disk_gauge = nullptr;
    TFloatGauge *m_speed_gauge = nullptr;
    QAction *m_free_inertial = nullptr;

    bool m_imu_not_fitted = false;
    std::uint8_t m_imu_type = 0;
    std::uint32_t m_lidar_groups = 0;
    std::uint32_t m_lidar_groups_seen = 0;
    std::uint32_t m_lidar_staleness = 0;
    int m_group_request_countdown = 3;
    int m_first_height = 0;
};
