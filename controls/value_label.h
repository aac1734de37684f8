#pragma once
// A label that shows a value: always wide enough for the widest text its value can take, at
// whatever font it is given, and greyed while the value is stale.

#include "controls/stale_control.h"

#include <QColor>
#include <QLabel>
#include <QStringList>

class TValueLabel : public QLabel, public IStale_control {
    Q_OBJECT

public:
    explicit TValueLabel(QWidget *parent = nullptr);

    // Every text the label may show that could be the widest; its minimum width is the widest
    // of them in the label's font, whatever that font becomes.
    void SetWidestTexts(const QStringList &texts);
    const QStringList &WidestTexts() const { return m_widest; }
    // The text colour while the value is current.
    void SetTextColour(const QColor &colour);
    QColor TextColour() const { return m_colour; }

    void SetStale(bool stale) override;
    bool Stale() const override { return m_stale; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

private:
    void apply_colour();

    QStringList m_widest;
    QColor m_colour = Qt::black;
    bool m_stale = false;
};
