#include "shell/Form_koru_view.h"

#include "controls/stale_control.h"
#include "platform/settings_store.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

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

void TFormKoruView::exclude_from_scaling(QWidget *widget)
{
    m_excluded.emplace_back(widget);
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
    if (m_reference_size.isEmpty()) {
        if (shown_by_show_view() && isVisible()) {
            record_reference();
        }
        return;
    }
    scale_fonts();
}

// Records the size and fonts that scaling starts from. On a screen larger than the design screen
// a window shown at its design size first grows in proportion to the screen, within it; a window
// the user left at a size of their choosing keeps that size (growing it again at every start
// would make it creep larger run after run).
void TFormKoruView::record_reference()
{
    m_reference_size = size();
    // From here on the window's size decides the fonts, not the other way round: the content's
    // minimum at the reference stays the window's minimum, and larger fonts never push the
    // window to grow.
    setMinimumSize(layout()->minimumSize());
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    for (QWidget *widget : findChildren<QWidget *>()) {
        const bool excluded =
            std::any_of(m_excluded.begin(), m_excluded.end(), [widget](const auto &e) {
                return e == widget || (e != nullptr && e->isAncestorOf(widget));
            });
        if (!excluded) {
            m_fonts.push_back({widget, widget->font().pointSizeF()});
        }
    }
    m_fonts.push_back({this, font().pointSizeF()});

    if (m_geometry_from_store) {
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

// Fonts follow the smaller of the two ratios, so that text never outgrows its place.
void TFormKoruView::scale_fonts()
{
    const qreal ratio = std::min(static_cast<qreal>(width()) / m_reference_size.width(),
                                 static_cast<qreal>(height()) / m_reference_size.height());
    if (std::abs(ratio - m_applied_ratio) < 0.01) {
        return;
    }
    m_applied_ratio = ratio;
    for (const SFont_entry &entry : m_fonts) {
        if (entry.widget != nullptr && entry.point_size > 0) {
            QFont font = entry.widget->font();
            font.setPointSizeF(entry.point_size * ratio);
            entry.widget->setFont(font);
        }
    }
}
