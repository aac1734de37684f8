#include "shell/window_values.h"

#include "controls/float_gauge.h"
#include "controls/led_image.h"
#include "controls/radio_group.h"
#include "controls/spin_float_edit.h"
#include "display/number_text.h"
#include "shell/Form_koru_base.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

const QString on = QStringLiteral("on");
const QString off = QStringLiteral("off");

bool own_name(const QWidget &widget)
{
    const QString name = widget.objectName();
    return !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"));
}

bool takes_part(const QWidget &widget, const QWidget &window)
{
    return own_name(widget) && widget.window() == &window && ShownInWindow(widget);
}

template <class TControl>
QList<TControl *> taking_part(QWidget &window)
{
    QList<TControl *> found;
    for (TControl *control : window.findChildren<TControl *>()) {
        if (takes_part(*control, window)) {
            found.append(control);
        }
    }
    return found;
}

// A page's title as the user reads it: "&&" is an ampersand, a single "&" marks the shortcut.
QString shown_title(const QString &title)
{
    QString shown;
    for (qsizetype i = 0; i < title.size(); ++i) {
        if (title[i] == '&' && i + 1 < title.size()) {
            ++i;
        }
        shown += title[i];
    }
    return shown;
}

// The items a control offers for choosing, or nothing when it offers none.
std::optional<QStringList> items_of(QWidget *control)
{
    if (auto *group = qobject_cast<TRadioGroup *>(control)) {
        return group->Items();
    }
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items.append(combo->itemText(i));
        }
        return items;
    }
    if (auto *pages = qobject_cast<QTabWidget *>(control)) {
        QStringList items;
        for (int i = 0; i < pages->count(); ++i) {
            items.append(shown_title(pages->tabText(i)));
        }
        return items;
    }
    if (auto *tabs = qobject_cast<QTabBar *>(control)) {
        QStringList items;
        for (int i = 0; i < tabs->count(); ++i) {
            items.append(shown_title(tabs->tabText(i)));
        }
        return items;
    }
    return std::nullopt;
}

QWidget *settable(QWidget &window, const QString &name)
{
    for (QWidget *control : taking_part<QWidget>(window)) {
        if (control->objectName() == name &&
            (qobject_cast<QLineEdit *>(control) != nullptr ||
             qobject_cast<TSpinFloatEdit *>(control) != nullptr ||
             qobject_cast<QAbstractSpinBox *>(control) != nullptr ||
             qobject_cast<QCheckBox *>(control) != nullptr || items_of(control))) {
            return control;
        }
    }
    return nullptr;
}

void add_table(QMap<QString, QString> &values, const QTableWidget &table)
{
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem *cell = table.item(row, column);
            values.insert(QStringLiteral("%1[%2,%3]").arg(table.objectName()).arg(row).arg(column),
                          cell != nullptr ? cell->text() : QString());
        }
    }
}

// A line of a check list carries a check mark; a plain line has none, although Qt makes every
// line checkable by default.
bool is_check_line(const QListWidgetItem &line)
{
    return (line.flags() & Qt::ItemIsUserCheckable) != 0 &&
           line.data(Qt::CheckStateRole).isValid();
}

// A line of a check list reads its check mark, a tab and its text.
void add_lines(QMap<QString, QString> &values, const QListWidget &list)
{
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem &line = *list.item(row);
        const QString text = is_check_line(line)
                                 ? (line.checkState() == Qt::Checked ? on : off) + '\t' + line.text()
                                 : line.text();
        values.insert(QStringLiteral("%1[%2]").arg(list.objectName()).arg(row), text);
    }
}

// The checkable line `Name[i]` of a check list taking part in `window`, or null.
QListWidgetItem *check_line(QWidget &window, const QString &control)
{
    static const QRegularExpression line_name(QStringLiteral("^(.+)\\[(\\d+)\\]$"));
    const QRegularExpressionMatch match = line_name.match(control);
    if (!match.hasMatch()) {
        return nullptr;
    }
    for (QListWidget *list : taking_part<QListWidget>(window)) {
        if (list->objectName() == match.captured(1)) {
            QListWidgetItem *line = list->item(match.captured(2).toInt());
            if (line != nullptr && is_check_line(*line)) {
                return line;
            }
        }
    }
    return nullptr;
}

void add_lines(QMap<QString, QString> &values, const QTreeWidget &tree)
{
    for (int row = 0; row < tree.topLevelItemCount(); ++row) {
        QStringList columns;
        for (int column = 0; column < tree.columnCount(); ++column) {
            columns.append(tree.topLevelItem(row)->text(column));
        }
        values.insert(QStringLiteral("%1[%2]").arg(tree.objectName()).arg(row),
                      columns.join('\t'));
    }
}

QString chosen_text(QWidget *control)
{
    if (auto *group = qobject_cast<TRadioGroup *>(control)) {
        return group->ItemIndex() >= 0 ? group->Items().value(group->ItemIndex()) : QString();
    }
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        return combo->currentIndex() >= 0 ? combo->itemText(combo->currentIndex()) : QString();
    }
    if (auto *tabs = qobject_cast<QTabBar *>(control)) {
        return tabs->currentIndex() >= 0 ? shown_title(tabs->tabText(tabs->currentIndex()))
                                         : QString();
    }
    auto *pages = qobject_cast<QTabWidget *>(control);
    return pages->currentIndex() >= 0 ? shown_title(pages->tabText(pages->currentIndex()))
                                      : QString();
}

} // namespace

// Visible in its window, or on a page of a page control that another page is in front of.
bool ShownInWindow(const QWidget &control)
{
    for (const QWidget *w = &control; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (w->isHidden() && qobject_cast<const QStackedWidget *>(w->parentWidget()) == nullptr) {
            return false;
        }
    }
    return true;
}

QMap<QString, QString> WindowValues(TFormKoruBase &window)
{
    window.RefreshDisplay();
    QMap<QString, QString> values;
    for (QWidget *control : taking_part<QWidget>(window)) {
        const QString name = control->objectName();
        if (auto *label = qobject_cast<QLabel *>(control)) {
            values.insert(name, label->text());
        } else if (auto *entry = qobject_cast<QLineEdit *>(control)) {
            values.insert(name, entry->text());
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
            values.insert(name, memo->toPlainText());
        } else if (auto *spin = qobject_cast<TSpinFloatEdit *>(control)) {
            values.insert(name, spin->Text());
        } else if (auto *spin_box = qobject_cast<QAbstractSpinBox *>(control)) {
            values.insert(name, spin_box->text());
        } else if (auto *lamp = qobject_cast<CLed_image *>(control)) {
            values.insert(name, lamp->State() ? on : off);
        } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
            values.insert(name, box->isChecked() ? on : off);
        } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
            values.insert(name, radio->isChecked() ? on : off);
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            values.insert(name, button->text().remove(QLatin1Char('&')));
        } else if (items_of(control)) {
            values.insert(name, chosen_text(control));
        } else if (auto *gauge = qobject_cast<TFloatGauge *>(control)) {
            values.insert(name, gauge->HasValue() ? FixedText(gauge->Position(), 3) : QString());
        } else if (auto *bar = qobject_cast<QProgressBar *>(control)) {
            values.insert(name, QString::number(bar->value()));
        } else if (auto *table = qobject_cast<QTableWidget *>(control)) {
            add_table(values, *table);
        } else if (auto *list = qobject_cast<QListWidget *>(control)) {
            add_lines(values, *list);
        } else if (auto *tree = qobject_cast<QTreeWidget *>(control)) {
            add_lines(values, *tree);
        }
    }
    values.insert(window.PaintedValues());
    return values;
}

QStringList ControlNames(QWidget &window)
{
    QStringList names;
    for (QWidget *control : taking_part<QWidget>(window)) {
        const bool value_or_button =
            qobject_cast<QLabel *>(control) != nullptr ||
            qobject_cast<QLineEdit *>(control) != nullptr ||
            qobject_cast<QPlainTextEdit *>(control) != nullptr ||
            qobject_cast<TSpinFloatEdit *>(control) != nullptr ||
            qobject_cast<QAbstractSpinBox *>(control) != nullptr ||
            qobject_cast<CLed_image *>(control) != nullptr ||
            qobject_cast<QAbstractButton *>(control) != nullptr || items_of(control) ||
            qobject_cast<TFloatGauge *>(control) != nullptr ||
            qobject_cast<QProgressBar *>(control) != nullptr ||
            qobject_cast<QAbstractItemView *>(control) != nullptr;
        if (value_or_button) {
            names.append(control->objectName());
        }
    }
    return names;
}

QString WindowValueProblem(QWidget &window, const QString &control, const QString &text)
{
    if (check_line(window, control) != nullptr) {
        return text == on || text == off ? QString()
                                         : QStringLiteral("%1 is \"on\" or \"off\"").arg(control);
    }
    QWidget *target = settable(window, control);
    if (target == nullptr) {
        return QStringLiteral("%1 has no control %2 that takes a value")
            .arg(window.objectName(), control);
    }
    if (const auto items = items_of(target); items && !items->contains(text)) {
        return QStringLiteral("%1 offers no \"%2\"; it offers \"%3\"")
            .arg(control, text, items->join("\", \""));
    }
    if (qobject_cast<QCheckBox *>(target) != nullptr && text != on && text != off) {
        return QStringLiteral("%1 is \"on\" or \"off\"").arg(control);
    }
    return {};
}

void SetWindowValue(QWidget &window, const QString &control, const QString &text)
{
    if (QListWidgetItem *line = check_line(window, control)) {
        line->setCheckState(text == on ? Qt::Checked : Qt::Unchecked);
        return;
    }
    QWidget *target = settable(window, control);
    if (target == nullptr) {
        return;
    }
    if (auto *entry = qobject_cast<QLineEdit *>(target)) {
        entry->setText(text);
    } else if (auto *spin = qobject_cast<TSpinFloatEdit *>(target)) {
        spin->SetText(text);
    } else if (auto *spin_box = qobject_cast<QAbstractSpinBox *>(target)) {
        // As if typed: the spin box reads its own entry (a date, a time, a number).
        spin_box->findChild<QLineEdit *>()->setText(text);
        spin_box->interpretText();
    } else if (auto *box = qobject_cast<QCheckBox *>(target)) {
        box->setChecked(text == on);
    } else if (auto *group = qobject_cast<TRadioGroup *>(target)) {
        const auto index = static_cast<int>(group->Items().indexOf(text));
        group->setItemIndex(index);
        emit group->Clicked(index);
    } else if (auto *combo = qobject_cast<QComboBox *>(target)) {
        const int index = combo->findText(text);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    } else if (auto *pages = qobject_cast<QTabWidget *>(target)) {
        pages->setCurrentIndex(static_cast<int>(items_of(pages)->indexOf(text)));
    } else if (auto *tabs = qobject_cast<QTabBar *>(target)) {
        tabs->setCurrentIndex(static_cast<int>(items_of(tabs)->indexOf(text)));
    }
}

EButton_state ButtonState(QWidget &window, const QString &button)
{
    for (QAbstractButton *candidate : taking_part<QAbstractButton>(window)) {
        if (candidate->objectName() == button) {
            return candidate->isEnabled() ? EButton_state::enabled : EButton_state::disabled;
        }
    }
    return EButton_state::none;
}

void PressButton(QWidget &window, const QString &button)
{
    for (QAbstractButton *candidate : taking_part<QAbstractButton>(window)) {
        if (candidate->objectName() == button) {
            candidate->click();
            return;
        }
    }
}
