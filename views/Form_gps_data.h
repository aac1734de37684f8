#pragma once
// The GNSS data view: the primary, secondary and auxiliary receivers one at a time on tabs, each
// with its solution, timing and differential corrections, a grid of the tracked satellites and a
// sky plot; the PPS time under the primary receiver and the NMEA sentences under the auxiliary.
//
// The receivers' groups share one set of controls behind the tabs, each kept in its private copy
// so that choosing a tab shows that receiver at once. Besides its rows the view has its own rules:
// the sky plot, the third tab offered once the auxiliary receiver reports a mode, a receiver in
// mode 0 showing nothing but its mode, and the coded mode of the second auxiliary receiver.

#include "protocol/navigation_groups.h"
#include "views/Form_table_view.h"
#include "views/gps_data_records.h"

#include <QMap>

#include <array>
#include <optional>

class CMessage104;
class CSky_plot;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QTabBar;

class TFormGpsData : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormGpsData(QWidget *parent = nullptr);
    ~TFormGpsData() override;

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;
    QMap<QString, QString> PaintedValues() const override;

private:
    enum EReceiver { primary, secondary, auxiliary, receiver_count };

    // The rows of a receiver's group: the first receiver makes the controls, the others take them.
    template <class TRecord>
    void add_receiver(CView_page &values, TView_group<TRecord> &group, EReceiver receiver);
    void add_pps_and_nmea(CView_page &values);
    void lay_out(CView_page &values);

    // The receiver of the selected tab.
    EReceiver selected() const;
    CView_group &selected_group() const;
    void TabControl1Change();
    void ButtonRawDataClick();
    void offer_auxiliary_tab();
    void take_heading(CGroup1 &navigation);

    QString mode_text(CGnss_group &record, EReceiver receiver) const;
    bool mode_is_coded(EReceiver receiver) const;
    // After the rows: the mode's colour, and the sky plot, or nothing but the mode in mode 0.
    void show_receiver(CGnss_group &record, EReceiver receiver);
    void show_no_receiver();
    void plot_satellites(CGnss_group &record);
    QString plot_title() const;
    std::optional<unsigned> aux_2_protocol() const;

    std::array<CView_group *, receiver_count> m_receivers{};
    CGroup107 *m_auxiliary = nullptr; // the auxiliary receiver's copy
    CMessage104 *m_ports = nullptr;
    double m_heading = 0;

    std::vector<TValueLabel *> m_solution; // the values a receiver in mode 0 leaves empty
    TValueLabel *m_mode = nullptr;
    QTabBar *m_tabs = nullptr;
    QGroupBox *m_pps_box = nullptr;
    QGroupBox *m_nmea_box = nullptr;
    TValueGrid *m_sv_grid = nullptr;
    CSky_plot *m_plot = nullptr;
    QCheckBox *m_aircraft_frame = nullptr;
    QPushButton *m_raw_data = nullptr;
};
