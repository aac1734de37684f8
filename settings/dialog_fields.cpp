#include "settings/dialog_fields.h"

#include "platform/user_feedback.h"
#include "resources/string_ids.h"
#include "resources/texts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

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

QString address_problem()
{
    return LoadText(invalid_address_text);
}

} // namespace dialog_field_detail

// The caption given, else the title of the group box the control is, or is in, without its
// shortcut marks.
QString FieldCaption(QWidget *control, const QString &own)
{
    if (!own.isEmpty()) {
        return QString(own).remove('&');
    }
    for (QWidget *widget = control; widget != nullptr; widget = widget->parentWidget()) {
        if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            return box->title().remove('&');
        }
    }
    return control->objectName();
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
            bring_to_front(problem->first);
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

void CDialog_fields::send() const
{
    for (const auto &[key, fields] : m_messages) {
        fields->send();
    }
}
