#pragma once
// The chart of the position plot, with what is painted over it after each redraw: the start and
// current positions as text, and at the newest point a mark and a line 12 pixels long towards
// the heading, north up. A rectangle drawn with the mouse zooms into it; the right button undoes
// the zoom.

#include <QChartView>
#include <QString>

#include <optional>

class TTrackChartView : public QChartView {
    Q_OBJECT

public:
    // What is painted over the plot.
    struct SOverlay {
        QString start_latitude;
        QString start_longitude;
        QString current_latitude; // the texts show only when both current texts are there
        QString current_longitude;
        QAbstractSeries *series = nullptr; // whose newest point gets the mark
        std::optional<QPointF> newest;
        std::optional<double> heading; // radians
    };

    explicit TTrackChartView(QWidget *parent = nullptr);

    void SetOverlay(SOverlay overlay);
    const SOverlay &Overlay() const { return m_overlay; }

signals:
    // The view was zoomed into a rectangle drawn with the mouse.
    void ZoomedByGesture();
    // The user asked for the automatic view back.
    void UndoZoom();

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void draw_texts(QPainter &painter, const QRectF &area) const;
    void draw_marker(QPainter &painter, const QRectF &area) const;

    SOverlay m_overlay;
};
