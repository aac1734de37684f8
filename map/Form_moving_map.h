#pragma once
// The position plot, "Position Plot": the track of the navigation solution (Group 1) as a line,
// in metres north and east of the first position or in latitude and longitude, with zoom, pan,
// centring and following of the current position, the start and current positions as text and
// the heading at the newest point.
//
// A Group 1 costs the same however long the track is: the bounds grow with each point, the line
// drawn is thinned to a bounded length, and the chart is filled at the screen's pace, only while
// the plot is shown.

#include "map/plot_view.h"
#include "map/track.h"
#include "map/track_log.h"
#include "protocol/navigation_groups.h"
#include "shell/Form_koru_view.h"
#include "views/display_pace.h"

#include <QList>
#include <QPointF>
#include <QTimer>

#include <memory>
#include <optional>

class QCategoryAxis;
class QLineSeries;

namespace Ui {
class FormMovingMapContent;
}

class TFormMovingMap : public TFormKoruView {
    Q_OBJECT

public:
    // The view around the first point: ±30 m, or ±1 arc-second.
    static constexpr double metres_half_span = 30;
    static constexpr double degrees_half_span = 1.0 / 3600;
    static constexpr int pan_period_ms = 250;

    explicit TFormMovingMap(QWidget *parent = nullptr);
    ~TFormMovingMap() override;

    bool UpdateFromGroup(int argument) override;
    void ResetDisplay(int argument) override;
    void RefreshDisplay() override;
    // "Mode", the start and current texts, the axis titles and ranges, and the number of points
    // taken ("Points").
    QMap<QString, QString> PaintedValues() const override;

    EPlot_units Units() const { return m_units; }
    const SPlot_view &View() const { return m_view; }
    const CTrack &Track() const { return m_track; }
    // The positions kept for export, as many as the log holds.
    const CTrack_log &TrackLog() const { return m_log; }
    QLineSeries *Series1() const { return m_series[0]; }
    QLineSeries *Series2() const { return m_series[1]; }

    // The controls' handlers, as the user works them.
    void ButtonResetClick();
    void ButtonZoomInClick();
    void ButtonZoomOutClick();
    void ButtonCenterClick();
    void ButtonMetersClick();
    void ButtonLatLonClick();
    void PanPressed(EPan direction);
    void PanReleased();
    void Timer1Timer();
    void CheckBoxShowAllClick();
    void CheckBoxShowTextClick();
    void UndoZoom();

private:
    void connect_controls();
    void build_chart();
    void take_position(const SGeodetic &position);
    void log_position(CGroup1 &group, const SGeodetic &position);
    // The view after a new point: the whole track, or following the point, or as it was.
    void follow_newest();
    void set_view(const SPlot_view &view);
    void view_zoomed_by_gesture();
    void switch_units(EPlot_units units);
    void clear_track();
    void show_current_texts();
    double least_span() const;

    void fill();
    void fill_series();
    void fill_axes();
    void plot_area_changed(const QRectF &area);
    void fill_overlay();

    std::unique_ptr<Ui::FormMovingMapContent> m_ui;
    CGroup1 *m_navigation = nullptr;
    CTrack m_track;
    CTrack_log m_log;
    EPlot_units m_units = EPlot_units::metres;
    SPlot_view m_view = ViewAround({}, metres_half_span);
    std::optional<double> m_heading; // radians, of the newest Group 1
    EPan m_pan = EPan::none;
    QTimer m_pan_timer;
    QString m_start_texts[2];   // latitude, longitude
    QString m_current_texts[2]; // empty while the texts are not shown

    QLineSeries *m_series[2] = {};
    QCategoryAxis *m_axis_x = nullptr;
    QCategoryAxis *m_axis_y = nullptr;
    CDisplay_pace m_pace;
    bool m_series_changed = true;
    bool m_view_changed = true;
    double m_plot_width = 0; // of the plot area when the axes were labelled last
    std::vector<SPlane_point> m_drawn;
    QList<QPointF> m_points;
};
