#pragma once
// A pair of small arrow buttons, one above the other, that ask for a step up or down. It holds no
// value of its own.

#include <QWidget>

class QToolButton;

enum class EStep_direction { up, down };

class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget *parent = nullptr);

signals:
    void StepRequested(EStep_direction direction);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
