#include "controls/spin_float_edit.h"

#include "platform/user_feedback.h"
#include "display/number_text.h"

#include <QKeyEvent>

TSpinFloatEdit::TSpinFloatEdit(QWidget *parent)
    : QWidget(parent), m_entry(new TFloatEdit(this)), m_up_down(new TUpDown(this))
{
    setFocusProxy(m_entry);
    m_entry->installEventFilter(this);
    connect(m_up_down, &TUpDown::StepRequested, this, &TSpinFloatEdit::Step);
    resize(120, 24);
    lay_out(); // a hidden widget hears of its size only when shown
}

void TSpinFloatEdit::SetWidthUpDown(int width)
{
    if (width < 0 || width > this->width()) {
        return;
    }
    m_up_down_width = width;
    lay_out();
}

void TSpinFloatEdit::Step(EStep_direction direction)
{
    if (m_on_changing && !m_on_changing(direction)) {
        return;
    }
    const std::optional<double> value = ParseNumber(m_entry->text());
    if (!value) {
        Beep(); // empty, or a loaded text that is not a number
        return;
    }
    const bool up = direction == EStep_direction::up;
    const double stepped = up ? *value + m_increment : *value - m_increment;
    const bool beyond = up ? stepped > RangeMax() : stepped < RangeMin();
    if (RangeEnable() && beyond) {
        Beep();
        return;
    }
    m_entry->setText(PlainNumberText(stepped));
}

void TSpinFloatEdit::resizeEvent(QResizeEvent *event)
{
    lay_out();
    QWidget::resizeEvent(event);
}

bool TSpinFloatEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_entry && m_arrow_keys && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? EStep_direction::up : EStep_direction::down);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TSpinFloatEdit::lay_out()
{
    const int up_down_width = std::min(m_up_down_width, width());
    const int entry_width = width() - up_down_width;
    m_entry->setGeometry(0, 0, entry_width, height());
    m_up_down->setGeometry(entry_width, 0, up_down_width, height());
}
