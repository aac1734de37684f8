#include "controls/up_down.h"

#include <QToolButton>

namespace {

QToolButton *arrow_button(QWidget *parent, Qt::ArrowType arrow)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget *parent)
    : QWidget(parent),
      m_up(arrow_button(this, Qt::UpArrow)),
      m_down(arrow_button(this, Qt::DownArrow))
{
    connect(m_up, &QToolButton::clicked, this, [this] { emit StepRequested(EStep_direction::up); });
    connect(m_down, &QToolButton::clicked, this,
            [this] { emit StepRequested(EStep_direction::down); });
}

void TUpDown::resizeEvent(QResizeEvent *event)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
    QWidget::resizeEvent(event);
}
