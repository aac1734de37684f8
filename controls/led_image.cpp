#include "controls/led_image.h"

#include "controls/image_list.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

CLed_image::CLed_image(QWidget *parent) : QWidget(parent) {}

void CLed_image::Set_state(bool state)
{
    if (state != m_state) {
        m_state = state;
        update();
    }
}

void CLed_image::Set_image_list(const CImage_list *images)
{
    m_images = images;
    update();
}

void CLed_image::SetStale(bool stale)
{
    if (stale != m_stale) {
        m_stale = stale;
        update();
    }
}

int CLed_image::ImageIndex() const
{
    if (!isEnabled() || m_stale) {
        return 2;
    }
    return m_state ? 1 : 0;
}

int CLed_image::FittedLength(int control_length, int image_length)
{
    const int half = std::max(1, image_length / 2);
    return control_length > half ? (control_length - 1) / half * half : control_length;
}

void CLed_image::paintEvent(QPaintEvent *)
{
    if (m_images == nullptr) {
        return;
    }
    const QImage &image = m_images->image(ImageIndex());
    if (image.isNull()) {
        return;
    }
    const int side =
        std::min(FittedLength(width(), image.width()), FittedLength(height(), image.height()));
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, side, side), image);
}

void CLed_image::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        update();
    }
    QWidget::changeEvent(event);
}
