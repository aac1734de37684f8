#include "shell/Form_koru_view.h"

#include "controls/stale_control.h"
#include "platform/settings_store.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// The names under which a window's geometry is kept.
constexpr char left_value[] = "Left";
constexpr char top_value[] = "Top";
constexpr char height_value[] = "Height";
constexpr char width_value[] = "Width";
// A window is never restored smaller than this, nor further out than this from the screen's
// right and bottom edges.
constexpr int smallest_extent = 50;

QRect screen_area(const QWidget &window)
{
    const QScreen *screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

TFormKoruView::TFormKoruView(const QString &name, QWidget *parent) : TFormKoruBase(name, parent) {}

void TFormKoruView::showEvent(QShowEvent *event)
{
    TFormKoruBase::showEvent(event);
    if (!m_geometry_restored) {
        // Set first, so that the geometry is saved at close even when reading it failed.
        m_geometry_restored = true;
        restore_geometry();
    }
    // The size the window first shows at, designed or restored, is what its fonts scale from:
    // taken once the showing is over and the content is polished and laid out.
    if (m_reference_size.isEmpty() && shown_by_show_view()) {
        QTimer::singleShot(0, this, [this] {
            if (m_reference_size.isEmpty() && isVisible()) {
                record_reference();
            }
        });
    }
}

void TFormKoruView::hideEvent(QHideEvent *event)
{
    if (m_geometry_restored && !event->spontaneous()) {
        save_geometry();
    }
    TFormKoruBase::hideEvent(event);
}

// All four values or none: a partial record leaves the design geometry.
void TFormKoruView::restore_geometry()
{
    const CWindow_settings settings(objectName());
    QList<int> values;
    for (const char *name : {left_value, top_value, height_value, width_value}) {
        bool ok = false;
        const int value = settings.value(name).toInt(&ok);
        if (!ok) {
            return;
        }
        values.append(value);
    }
    const QRect screen = screen_area(*this);
    const int left = std::clamp(values[0], 0, std::max(0, screen.width() - smallest_extent));
    const int top = std::clamp(values[1], 0, std::max(0, screen.height() - smallest_extent));
    m_geometry_from_store = true;
    resize(std::max(values[3], smallest_extent), std::max(values[2], smallest_extent));
    move(left, top);
}

void TFormKoruView::save_geometry() const
{
    CWindow_settings settings(objectName());
    settings.set_value(left_value, x());
    settings.set_value(top_value, y());
    settings.set_value(height_value, height());
    settings.set_value(width_value, width());
}

// A font set on the widget itself, point size included, is not replaced by the window's.
void TFormKoruView::exclude_from_scaling(QWidget *widget)
{
    QFont own = widget->font();
    own.setPointSizeF(own.pointSizeF());
    widget->setFont(own);
}

void TFormKoruView::show_values_stale(bool stale)
{
    for (QWidget *widget : BorderBevel()->findChildren<QWidget *>()) {
        if (auto *control = dynamic_cast<IStale_control *>(widget)) {
            control->SetStale(stale);
        }
    }
}

void TFormKoruView::resizeEvent(QResizeEvent *event)
{
    TFormKoruBase::resizeEvent(event);
    if (!m_reference_size.isEmpty()) {
        scale_fonts();
    }
}

// Records the size and font that scaling starts from, and the smallest readable size. On a
// screen larger than the design screen a window shown at its design size first grows in
// proportion to the screen, within it; a window the user left at a size of their choosing keeps
// that size (growing it again at every start would make it creep larger run after run).
void TFormKoruView::record_reference()
{
    // Any layout request still pending from the showing first, so that the size taken is the
    // one the window settles at.
    layout()->activate();
    m_reference_size = size();
    m_reference_point_size = font().pointSizeF();
    m_applied_point_size = m_reference_point_size;
    // From here on the window's size decides the fonts, not the other way round.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    apply_point_size(std::min(smallest_point_size, m_reference_point_size));
    m_readable_minimum = content_minimum_size();
    apply_point_size(m_reference_point_size);
    setMinimumSize(readable_minimum_size());

    if (m_geometry_from_store) {
        scale_fonts();
        return;
    }
    const QRect screen = screen_area(*this);
    int target_width = width();
    int target_height = height();
    if (screen.width() > design_screen_width) {
        target_width = std::min(width() * screen.width() / design_screen_width, screen.width());
    }
    if (screen.height() > design_screen_height) {
        target_height =
            std::min(height() * screen.height() / design_screen_height, screen.height());
    }
    if (target_width != width() || target_height != height()) {
        resize(target_width, target_height);
    }
}

// Fonts follow the smaller of the two ratios to the reference size, both ways, never below the
// smallest readable size; where a larger font would not fit (margins and spacings do not grow
// with it) the largest that fits is taken.
void TFormKoruView::scale_fonts()
{
    const qreal ratio = std::min(static_cast<qreal>(width()) / m_reference_size.width(),
                                 static_cast<qreal>(height()) / m_reference_size.height());
    const qreal smallest = std::min(smallest_point_size, m_reference_point_size);
    // Quarter points: finer steps change nothing visible and cost a relayout each.
    qreal point_size = std::max(smallest, std::floor(m_reference_point_size * ratio * 4) / 4);
    apply_point_size(point_size);
    while (point_size > smallest) {
        const QSize needed = content_minimum_size();
        if (needed.width() <= width() && needed.height() <= height()) {
            break;
        }
        point_size = std::max(smallest, point_size - 0.25);
        apply_point_size(point_size);
    }
}

void TFormKoruView::apply_point_size(qreal point_size)
{
    if (point_size == m_applied_point_size) {
        return;
    }
    m_applied_point_size = point_size;
    QFont scaled = font();
    scaled.setPointSizeF(point_size);
    setFont(scaled);
}

// What the content needs at the fonts applied now. Every layout's cache is dropped first: a font
// change reaches the controls at once, but the layouts learn of it only later.
QSize TFormKoruView::content_minimum_size() const
{
    for (QLayout *nested : findChildren<QLayout *>()) {
        nested->invalidate();
    }
    layout()->invalidate();
    return layout()->totalMinimumSize();
}
