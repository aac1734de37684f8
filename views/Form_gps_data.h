#pragma once
// The GNSS data view: the primary, secondary and auxiliary receivers one at a time on tabs, each
// with its solution, timing and differential corrections, a grid of the tracked satellites and a
// sky plot; the PPS time under the primary receiver and the NMEA sentences under the auxiliary.
//
// Each receiver's last group is kept in a private copy, so that choosing a tab shows that
// receiver at once, whichever group came last; the controls follow at the screen's pace.

#include "protocol/group_copy.h"
#include "protocol/navigation_groups.h"
#include "shell/Form_koru_view.h"
#include "views/display_pace.h"
#include "views/gps_data_records.h"

#include <QMap>

#include <array>
#include <optional>

class CLed_image;
class CMessage104;
class CSky_plot;
class QCheckBox;
class QGroupBox;
class QGridLayout;
class QPushButton;
class QTabBar;
class TValueGrid;
class TValueLabel;

class TFormGpsData : public TFormKoruView {
    Q_OBJECT
public:
    explicit TFormGpsData(QWidget *parent = nullptr);
    ~TFormGpsData() override;

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;
    void SetDataStale(bool stale) override;
    void RefreshDisplay() override;
    QMap<QString, QString> PaintedValues() const override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum EReceiver { primary, secondary, auxiliary, receiver_count };
    // The value labels of a receiver, in the order they are made.
    enum EValue {
        mode,
        hdop,
        vdop,
        geoidal_separation,
        week_number,
        time_offset,
        nav_latency,
        reference_station,
        correction_latency,
        value_count
    };

    void build_controls();
    TValueLabel &add_value(QGroupBox &box, const QString &caption, const QString &name);
    bool take_receiver(EReceiver receiver);
    // The receiver of the selected tab.
    EReceiver selected() const;
    void TabControl1Change();
    void fill();
    void show_receiver();
    void show_values(CGnss_group &record);
    void show_satellites(CGnss_group &record, std::size_t count);
    void empty_receiver();
    void show_aux_lamps();
    void offer_auxiliary_tab();
    QString mode_text(CGnss_group &record);
    QString plot_title() const;
    std::optional<int> auxiliary_number() const;
    std::optional<unsigned> aux_2_protocol() const;

    CGroup7 *m_pps = nullptr;
    CGroup1 *m_navigation = nullptr;
    std::array<CGnss_group *, receiver_count> m_shared{};
    TGroup_copy<CGroup3> m_primary;
    TGroup_copy<CGroup106> m_secondary;
    TGroup_copy<CGroup107> m_auxiliary;
    std::array<CGnss_group *, receiver_count> m_copies{};
    CMessage104 *m_ports = nullptr;

    std::optional<unsigned> m_aux_data_in_use;
    double m_heading = 0;
    bool m_receiver_changed = false;
    bool m_aux_lamps_changed = false;

    QTabBar *m_tabs = nullptr;
    std::array<TValueLabel *, value_count> m_values{};
    TValueLabel *m_pps_time = nullptr;
    TValueLabel *m_pulse_count = nullptr;
    QGroupBox *m_pps_box = nullptr;
    QGroupBox *m_nmea_box = nullptr;
    std::array<CLed_image *, 4> m_nmea_lamps{};
    TValueGrid *m_sv_grid = nullptr;
    CSky_plot *m_plot = nullptr;
    QCheckBox *m_aircraft_frame = nullptr;
    QPushButton *m_raw_data = nullptr;
    CDisplay_pace m_pace;
};
