#pragma once
// A two-state lamp: shows image 0 (off) or 1 (on) of its image list, and image 2 while disabled
// or while its state is stale (dark: the state may no longer be true).

#include "controls/stale_control.h"

#include <QWidget>

class CImage_list;

class CLed_image : public QWidget, public IStale_control {
    Q_OBJECT
    Q_PROPERTY(bool State READ State WRITE Set_state)

public:
    explicit CLed_image(QWidget *parent = nullptr);

    bool State() const { return m_state; }
    // Repaints only when the state changes.
    void Set_state(bool state);
    // The list is not owned; without one the lamp draws nothing.
    void Set_image_list(const CImage_list *images);
    const CImage_list *ImageList() const { return m_images; }

    void SetStale(bool stale) override;
    bool Stale() const override { return m_stale; }

    // The image the lamp shows now.
    int ImageIndex() const;
    // The side of the square the image is drawn into along one axis: a control length above
    // half the image's length is rounded down to a multiple of that half, one pixel kept free.
    static int FittedLength(int control_length, int image_length);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool m_state = false;
    bool m_stale = false;
    const CImage_list *m_images = nullptr;
};
