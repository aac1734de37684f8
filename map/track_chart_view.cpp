#include "map/track_chart_view.h"

#include <QChart>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int text_margin = 10;
constexpr int header_indent = 20;
constexpr int top_margin = 6;
constexpr double heading_line_pixels = 12;
constexpr int mark_before = 2; // the mark fills (x - 2, y - 2) to (x + 3, y + 3)
constexpr int mark_size = 5;

} // namespace

TTrackChartView::TTrackChartView(QWidget *parent) : QChartView(parent)
{
    setRubberBand(QChartView::RectangleRubberBand);
}

void TTrackChartView::SetOverlay(SOverlay overlay)
{
    m_overlay = std::move(overlay);
    viewport()->update();
}

void TTrackChartView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    const QRectF area = chart()->mapRectToScene(chart()->plotArea());
    painter->save();
    draw_texts(*painter, area);
    draw_marker(*painter, area);
    painter->restore();
}

void TTrackChartView::draw_texts(QPainter &painter, const QRectF &area) const
{
    const SOverlay &o = m_overlay;
    if (o.current_latitude.isEmpty() || o.current_longitude.isEmpty()) {
        return;
    }
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font());
    const int line = metrics.height() + 1;
    const int left = static_cast<int>(area.left()) + text_margin;
    const int right = static_cast<int>(area.right()) -
                      metrics.horizontalAdvance(o.current_longitude) - text_margin;
    const int top = static_cast<int>(area.top()) + top_margin;
    const auto put = [&painter, &metrics](int x, int y, const QString &text) {
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
    };
    put(left + header_indent, top, QObject::tr("Start"));
    put(right + header_indent, top, QObject::tr("Current"));
    put(left, top + line, o.start_latitude);
    put(right, top + line, o.current_latitude);
    put(left, top + 2 * line, o.start_longitude);
    put(right, top + 2 * line, o.current_longitude);
}

void TTrackChartView::draw_marker(QPainter &painter, const QRectF &area) const
{
    const SOverlay &o = m_overlay;
    if (o.series == nullptr || !o.newest) {
        return;
    }
    const QPointF at = chart()->mapToScene(chart()->mapToPosition(*o.newest, o.series));
    painter.setClipRect(area);
    const int x = static_cast<int>(at.x());
    const int y = static_cast<int>(at.y());
    if (o.heading) {
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawLine(QPoint(x, y),
                         QPoint(static_cast<int>(x + heading_line_pixels * std::sin(*o.heading)),
                                static_cast<int>(y - heading_line_pixels * std::cos(*o.heading))));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 255, 0));
    painter.drawEllipse(QRect(x - mark_before, y - mark_before, mark_size, mark_size));
}

void TTrackChartView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit UndoZoom();
        return;
    }
    QChartView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit ZoomedByGesture();
    }
}
