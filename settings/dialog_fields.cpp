#include "settings/dialog_fields.h"

#include "platform/user_feedback.h"
#include "resources/string_ids.h"
#include "resources/texts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>

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

bool ControlInUse(const QWidget &control, const QWidget &dialog)
{
    for (const QWidget *widget = &control; widget != nullptr && widget != &dialog;
         widget = widget->parentWidget()) {
        if (widget->isHidden() &&
            qobject_cast<const QStackedWidget *>(widget->parentWidget()) == nullptr) {
            return false;
        }
    }
    return control.isEnabledTo(&dialog);
}

// The caption given, else the title of the group box the control is, or is in, without its
// shortcut marks: the nearest that has a title.
QString FieldCaption(QWidget *control, const QString &own)
{
    if (!own.isEmpty()) {
        return QString(own).remove('&');
    }
    for (QWidget *widget = control; widget != nullptr; widget = widget->parentWidget()) {
        auto *box = qobject_cast<QGroupBox *>(widget);
        if (box != nullptr && !box->title().isEmpty()) {
            return box->title().remove('&');
        }
    }
    return control->objectName();
}

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
            problem->first->setFocus();
            SMessage_box box;
            box.parent = &m_dialog;
            box.icon = QMessageBox::Warning;
            box.caption = BoxCaption(ECaption::warning);
            box.text = problem->second;
            ShowMessageBox(box);
            problem->first->setFocus();
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
