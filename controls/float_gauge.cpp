#include "controls/float_gauge.h"

#include "display/number_text.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

TFloatGauge::TFloatGauge(QWidget *parent) : QWidget(parent)
{
    resize(100, 100);
}

void TFloatGauge::set_and_repaint(auto &field, const auto &value)
{
    if (field != value) {
        field = value;
        update();
    }
}

void TFloatGauge::SeTCGaugeKind(EGaugeKind kind)
{
    set_and_repaint(m_kind, kind);
}

void TFloatGauge::SetShowText(bool show)
{
    set_and_repaint(m_show_text, show);
}

void TFloatGauge::SetBorderStyle(EBorderStyle style)
{
    set_and_repaint(m_border_style, style);
}

void TFloatGauge::SetForeColor(const QColor &color)
{
    set_and_repaint(m_fore_color, color);
}

void TFloatGauge::SetBackColor(const QColor &color)
{
    set_and_repaint(m_back_color, color);
}

bool TFloatGauge::SetMinValue(double value)
{
    if (!std::isfinite(value) || value > m_max) {
        return false;
    }
    if (value != m_min) {
        m_min = value;
        m_position = std::max(m_position, value);
        update();
    }
    return true;
}

bool TFloatGauge::SetMaxValue(double value)
{
    if (!std::isfinite(value) || value < m_min) {
        return false;
    }
    if (value != m_max) {
        m_max = value;
        m_position = std::min(m_position, value);
        update();
    }
    return true;
}

void TFloatGauge::SetPosition(double value)
{
    if (std::isfinite(value)) {
        set_and_repaint(m_has_value, true);
        set_and_repaint(m_position, std::clamp(value, m_min, m_max));
    }
}

void TFloatGauge::Clear()
{
    set_and_repaint(m_has_value, false);
}

void TFloatGauge::SetStale(bool stale)
{
    set_and_repaint(m_stale, stale);
}

int TFloatGauge::GetPercentDone() const
{
    return SolveForY(m_position - m_min, m_max - m_min);
}

int TFloatGauge::SolveForX(int percent, int length)
{
    return static_cast<int>(std::floor(percent * 0.01 * length));
}

int TFloatGauge::SolveForY(double a, double b)
{
    if (b == 0.0) {
        return 0;
    }
    const double percent = std::floor(a * 100.0 / b);
    return std::isfinite(percent) ? static_cast<int>(std::clamp(percent, 0.0, 100.0)) : 0;
}

QSize TFloatGauge::minimumSizeHint() const
{
    if (!m_show_text && m_kind != EGaugeKind::text) {
        return {8, 8};
    }
    const QFontMetrics metrics(font());
    const int widest = std::max(metrics.horizontalAdvance(FixedText(m_min, 3)),
                                metrics.horizontalAdvance(FixedText(m_max, 3)));
    const int border = m_border_style == EBorderStyle::single ? 2 : 0;
    return {widest + border + 4, metrics.height() + border + 2};
}

// Qt paints widgets double-buffered already, so the figure is drawn straight onto the widget.
void TFloatGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect area = rect();
    painter.fillRect(area, m_back_color);
    if (m_border_style == EBorderStyle::single) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }

    if (!m_has_value) {
        return;
    }
    const QColor fore = m_stale ? QColor(Qt::gray) : m_fore_color;
    const int percent = GetPercentDone();
    painter.setRenderHint(QPainter::Antialiasing,
                          m_kind == EGaugeKind::pie || m_kind == EGaugeKind::needle);
    switch (m_kind) {
    case EGaugeKind::text:
        break;
    case EGaugeKind::horizontalBar:
        painter.fillRect(area.left(), area.top(), SolveForX(percent, area.width()), area.height(),
                         fore);
        break;
    case EGaugeKind::verticalBar: {
        const int filled = SolveForX(percent, area.height());
        painter.fillRect(area.left(), area.bottom() + 1 - filled, area.width(), filled,
                         fore);
        break;
    }
    case EGaugeKind::pie: {
        // A full circle is 100 percent, starting at twelve o'clock and running clockwise.
        painter.setPen(fore);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(area);
        painter.setBrush(fore);
        painter.drawPie(area, 90 * 16, -static_cast<int>(std::lround(percent * 3.6 * 16)));
        break;
    }
    case EGaugeKind::needle: {
        // A half circle standing on the bottom edge; the needle turns from left (0 percent) over
        // the top to right (100 percent).
        const QRectF dial(area.left(), area.top(), area.width(), 2.0 * area.height());
        const QPointF centre(dial.center().x(), area.bottom());
        const double angle = std::numbers::pi * (1.0 - percent / 100.0);
        painter.setPen(fore);
        painter.drawArc(dial, 0, 180 * 16);
        painter.drawLine(centre, centre + QPointF(std::cos(angle) * dial.width() / 2.0,
                                                  -std::sin(angle) * dial.height() / 2.0));
        break;
    }
    }

    if (m_show_text || m_kind == EGaugeKind::text) {
        painter.setPen(m_stale ? QColor(Qt::gray) : palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(area, Qt::AlignCenter, FixedText(m_position, 3));
    }
}
