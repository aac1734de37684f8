#include "settings/dialog_fields.h"

#include "platform/user_feedback.h"
#include "resources/string_ids.h"
#include "resources/texts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

namespace dialog_field_detail {

QString not_available()
{
    return LoadText(string_id::not_available);
}

QString range_problem(double lowest, double highest)
{
    return QCoreApplication::translate("CDialog_fields", "enter a number from %1 to %2.")
        .arg(PlainNumberText(lowest), PlainNumberText(highest));
}

QString choice_problem()
{
    return QCoreApplication::translate("CDialog_fields", "choose one.");
}

QString length_problem(qsizetype most, qsizetype taken)
{
    return QCoreApplication::translate("CDialog_fields",
                                       "the computer takes at most %1 bytes; this text takes %2.")
        .arg(most)
        .arg(taken);
}

QString group_count_problem(qsizetype checked, std::size_t room)
{
    return QCoreApplication::translate("CDialog_fields",
                                       "%1 groups are checked; the computer takes at most %2.")
        .arg(checked)
        .arg(room);
}

} // namespace dialog_field_detail

QString FieldCaption(const QWidget &control, const QString &own)
{
    if (!own.isEmpty()) {
        return QString(own).remove('&');
    }
    // The nearest first: an entry inside a compound control is known by that control's label.
    const QList<QLabel *> labels = control.window()->findChildren<QLabel *>();
    for (const QWidget *widget = &control; widget != nullptr; widget = widget->parentWidget()) {
        for (const QLabel *label : labels) {
            if (label->buddy() == widget) {
                return label->text().remove('&');
            }
        }
        const auto *box = qobject_cast<const QGroupBox *>(widget);
        if (box != nullptr && !box->title().isEmpty()) {
            return box->title().remove('&');
        }
    }
    return control.objectName();
}

namespace {

// Brings every page the control lies on to the front, so that it can take the focus.
void bring_to_front(QWidget *control)
{
    for (QWidget *widget = control->parentWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (auto *pages = qobject_cast<QTabWidget *>(widget)) {
            for (int page = 0; page < pages->count(); ++page) {
                if (pages->widget(page)->isAncestorOf(control)) {
                    pages->setCurrentIndex(page);
                }
            }
        }
    }
}

} // namespace

void CDialog_fields::load()
{
    for (const auto &[key, fields] : m_messages) {
        fields->load();
    }
}

bool CDialog_fields::check()
{
    for (const auto &[key, fields] : m_messages) {
        if (const auto problem = fields->first_problem()) {
            // A radio group takes the focus on its chosen button, or its first.
            QWidget *focus = problem->first;
            if (auto *group = qobject_cast<TRadioGroup *>(focus)) {
                focus = group->button(std::max(group->ItemIndex(), 0));
            }
            bring_to_front(focus);
            focus->setFocus();
            SMessage_box box;
            box.parent = &m_dialog;
            box.icon = QMessageBox::Warning;
            box.caption = BoxCaption(ECaption::warning);
            box.text = problem->second;
            ShowMessageBox(box);
            focus->setFocus();
            return false;
        }
    }
    return true;
}

long CDialog_fields::send() const
{
    long sent = 0;
    for (const auto &[key, fields] : m_messages) {
        sent += fields->send();
    }
    return sent;
}
