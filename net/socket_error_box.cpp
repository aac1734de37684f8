#include "net/socket_error_box.h"

#include "net/socket_errors.h"
#include "platform/user_feedback.h"
#include "resources/texts.h"

int CSocket_error_box::text_number(int code)
{
    return code < socket_error::generic ? socket_error::generic : code;
}

bool CSocket_error_box::show(QWidget *parent, int code)
{
    if (m_on_screen) {
        Beep();
        return false;
    }
    m_on_screen = true;
    SMessage_box box;
    box.parent = parent;
    box.icon = QMessageBox::Warning;
    box.caption = QString::fromLatin1(application_title);
    box.text = LoadText(text_number(code));
    ShowMessageBox(box);
    m_on_screen = false;
    return true;
}
