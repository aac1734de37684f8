#include "controls/value_label.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// Grey of a value that is no longer current.
const QColor stale_colour(0x90, 0x90, 0x90);

} // namespace

TValueLabel::TValueLabel(QWidget *parent) : QLabel(parent) {}

void TValueLabel::SetWidestTexts(const QStringList &texts)
{
    m_widest = texts;
    updateGeometry();
}

void TValueLabel::SetTextColour(const QColor &colour)
{
    if (colour != m_colour) {
        m_colour = colour;
        apply_colour();
    }
}

void TValueLabel::SetStale(bool stale)
{
    if (stale != m_stale) {
        m_stale = stale;
        apply_colour();
    }
}

void TValueLabel::apply_colour()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, m_stale ? stale_colour : m_colour);
    setPalette(colours);
}

// The widest text's extent in the label's own font, with the frame and margins the label draws.
QSize TValueLabel::minimumSizeHint() const
{
    const QSize own = QLabel::minimumSizeHint();
    if (m_widest.isEmpty()) {
        return own;
    }
    const QFontMetrics metrics(font());
    const int chrome = 2 * (frameWidth() + margin()) + contentsMargins().left() +
                       contentsMargins().right();
    int widest = 0;
    for (const QString &text : m_widest) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    const int width = widest + chrome;
    return {std::max(own.width(), width), std::max(own.height(), metrics.height())};
}

QSize TValueLabel::sizeHint() const
{
    const QSize own = QLabel::sizeHint();
    const QSize least = minimumSizeHint();
    return {std::max(own.width(), least.width()), std::max(own.height(), least.height())};
}
