#pragma once
// Every window read and driven from outside, as its user sees and handles it: the automation
// interface and the GUI tests go through here.
//
// A control takes part when it has an object name (not one of Qt's own, "qt_…") and is visible
// in its window, a page of a page control that is not in front counting as visible.

#include <QMap>
#include <QString>
#include <QStringList>

class QWidget;
class TFormKoruBase;

// Whether the user sees `control` in its window, or would on bringing a page to the front.
bool ShownInWindow(const QWidget &control);

// Every control that shows a value, by name, as shown: labels and entries (spin entries too) by
// their text, lamps, check boxes and radio buttons "on" or "off", the chosen item of a radio
// group, combo box, page control or tab bar ("" for none), gauges by their reading ("" with
// none), grid cells as "Name[row,column]" and list lines as "Name[i]" (the columns of a line
// joined by tabs; a line of a check list reads "on" or "off", a tab and its text); then what the
// window paints.
QMap<QString, QString> WindowValues(TFormKoruBase &window);

// The names of every control of `window` that takes part, values and buttons, once each as they
// occur (a name may occur twice).
QStringList ControlNames(QWidget &window);

// Why `text` cannot be set into control `control` of `window`, or nothing when it can: an entry
// takes any text, a radio group, combo box, page control or tab bar one of its items, a check
// box and a line "Name[i]" of a check list "on" or "off".
QString WindowValueProblem(QWidget &window, const QString &control, const QString &text);
// Sets it as the user would: types the text, chooses the item (the control tells of the choice
// as of a click), checks or clears the box.
void SetWindowValue(QWidget &window, const QString &control, const QString &text);

enum class EButton_state { none, disabled, enabled };
// Whether `window` has a button of that name taking part, and whether it can be pressed now.
EButton_state ButtonState(QWidget &window, const QString &button);
void PressButton(QWidget &window, const QString &button);
