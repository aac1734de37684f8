#pragma once
// What a window's user could not read: value labels whose widest text does not fit them as laid
// out now, in their own font.

#include "controls/value_label.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

// "Name: text" for every visible value label of `window` that would cut one of its widest texts.
inline QStringList ClippedValueLabels(const QWidget &window)
{
    QStringList clipped;
    for (const TValueLabel *label : window.findChildren<TValueLabel *>()) {
        if (!label->isVisibleTo(&window)) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        for (const QString &text : label->WidestTexts()) {
            if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height()) {
                clipped.append(label->objectName() + ": " + text);
            }
        }
    }
    return clipped;
}
