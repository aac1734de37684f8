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

// Every control that shows a value, by name, as shown: labels and entries by their text, push
// buttons by their caption, lamps, check boxes and radio buttons "on" or "off", the chosen item of a radio group, combo box or
// page control ("" for none), gauges by their reading ("" with none), grid cells as
// "Name[row,column]" and list lines as "Name[i]" (the columns of a line joined by tabs); then
// what the window paints.
QMap<QString, QString> WindowValues(TFormKoruBase &window);

// The names of every control of `window` that takes part, values and buttons, once each as they
// occur (a name may occur twice).
QStringList ControlNames(QWidget &window);

// Why `text` cannot be set into control `control` of `window`, or nothing when it can: an entry
// takes any text, a radio group, combo box or page control one of its items, a check box "on"
// or "off".
QString WindowValueProblem(QWidget &window, const QString &control, const QString &text);
// Sets it as the user would: types the text, clicks the item, checks or clears the box.
void SetWindowValue(QWidget &window, const QString &control, const QString &text);

enum class EButton_state { none, disabled, enabled };
// Whether `window` has a button of that name taking part, and whether it can be pressed now.
EButton_state ButtonState(QWidget &window, const QString &button);
void PressButton(QWidget &window, const QString &button);
