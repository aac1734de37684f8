#pragma once
// Shows a floating-point value between a minimum and a maximum as text, bar, pie or needle.

#include "controls/stale_control.h"

#include <QColor>
#include <QWidget>

class TFloatGauge : public QWidget, public IStale_control {
    Q_OBJECT

public:
    enum class EGaugeKind { text, horizontalBar, verticalBar, pie, needle };
    Q_ENUM(EGaugeKind)
    enum class EBorderStyle { none, single };
    Q_ENUM(EBorderStyle)

private:
    Q_PROPERTY(EGaugeKind Kind READ Kind WRITE SeTCGaugeKind)
    Q_PROPERTY(bool ShowText READ ShowText WRITE SetShowText)
    Q_PROPERTY(EBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(double MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(double Position READ Position WRITE SetPosition)

public:
    explicit TFloatGauge(QWidget *parent = nullptr);

    EGaugeKind Kind() const { return m_kind; }
    void SeTCGaugeKind(EGaugeKind kind);
    bool ShowText() const { return m_show_text; }
    void SetShowText(bool show);
    EBorderStyle BorderStyle() const { return m_border_style; }
    void SetBorderStyle(EBorderStyle style);
    QColor ForeColor() const { return m_fore_color; }
    void SetForeColor(const QColor &color);
    QColor BackColor() const { return m_back_color; }
    void SetBackColor(const QColor &color);

    double MinValue() const { return m_min; }
    double MaxValue() const { return m_max; }
    double Position() const { return m_position; }
    // Refused (false, nothing changes) above the maximum or when not a finite number; raises the
    // position to the new minimum when it was below.
    bool SetMinValue(double value);
    // Refused below the minimum or when not a finite number; lowers the position to the new
    // maximum when it was above.
    bool SetMaxValue(double value);
    // Clamped to the range; a value that is not a finite number is ignored.
    void SetPosition(double value);
    // Shows no value (no text, nothing filled) until the next position is set.
    void Clear();
    bool HasValue() const { return m_has_value; }

    // A stale value is drawn in grey.
    void SetStale(bool stale) override;
    bool Stale() const override { return m_stale; }

    // How far the position stands between minimum and maximum, in whole percent.
    int GetPercentDone() const;
    // floor(percent × length / 100): the filled part of a bar `length` pixels long.
    static int SolveForX(int percent, int length);
    // floor(a × 100 / b) within 0 to 100; 0 when b is 0.
    static int SolveForY(double a, double b);

    // Room for the widest text the gauge can show, inside its border.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void set_and_repaint(auto &field, const auto &value);

    EGaugeKind m_kind = EGaugeKind::horizontalBar;
    bool m_show_text = true;
    EBorderStyle m_border_style = EBorderStyle::single;
    QColor m_fore_color = Qt::black;
    QColor m_back_color = Qt::white;
    double m_min = 0.0;
    double m_max = 100.0;
    double m_position = 0.0;
    bool m_has_value = true;
    bool m_stale = false;
};
