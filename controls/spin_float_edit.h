#pragma once
// A floating-point entry field with an up-down button pair at its right edge. A step adds or
// subtracts `Increment`; the value lives in the entry's text.

#include "controls/float_edit.h"
#include "controls/up_down.h"

#include <QWidget>

#include <functional>

class TSpinFloatEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool ArrowKeys READ ArrowKeys WRITE SetArrowKeys)
    Q_PROPERTY(double Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(bool RangeEnable READ RangeEnable WRITE SetRangeEnable)
    Q_PROPERTY(double RangeMin READ RangeMin WRITE SetRangeMin)
    Q_PROPERTY(double RangeMax READ RangeMax WRITE SetRangeMax)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int WidthUpDown READ WidthUpDown WRITE SetWidthUpDown)

public:
    // Asked before every step; a step happens only when it answers true.
    using Changing_handler = std::function<bool(EStep_direction)>;

    explicit TSpinFloatEdit(QWidget *parent = nullptr);

    // The entry, for its signals (Changed, Exited, …) and its other properties.
    TFloatEdit &Entry() { return *m_entry; }
    TUpDown &UpDown() { return *m_up_down; }

    bool ArrowKeys() const { return m_arrow_keys; }
    void SetArrowKeys(bool enable) { m_arrow_keys = enable; }
    double Increment() const { return m_increment; }
    void SetIncrement(double increment) { m_increment = increment; }
    bool RangeEnable() const { return m_entry->RangeEnable(); }
    void SetRangeEnable(bool enable) { m_entry->SetRangeEnable(enable); }
    double RangeMin() const { return m_entry->RangeMin(); }
    void SetRangeMin(double value) { m_entry->SetRangeMin(value); }
    double RangeMax() const { return m_entry->RangeMax(); }
    void SetRangeMax(double value) { m_entry->SetRangeMax(value); }
    bool ReadOnly() const { return m_entry->isReadOnly(); }
    void SetReadOnly(bool read_only) { m_entry->setReadOnly(read_only); }
    QString Text() const { return m_entry->text(); }
    void SetText(const QString &text) { m_entry->setText(text); }
    int WidthUpDown() const { return m_up_down_width; }
    // Ignored when wider than the control; else the up-down takes `width` pixels at the right
    // and the entry the rest.
    void SetWidthUpDown(int width);

    void SetOnChanging(Changing_handler handler) { m_on_changing = std::move(handler); }

    // One step, as a click on the up-down or an arrow key makes it.
    void Step(EStep_direction direction);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lay_out();

    TFloatEdit *m_entry;
    TUpDown *m_up_down;
    double m_increment = 1.0;
    bool m_arrow_keys = true;
    int m_up_down_width = 19;
    Changing_handler m_on_changing;
};
