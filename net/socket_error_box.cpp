#include "net/socket_error_box.h"

#include "net/socket_errors.h"
#include "platform/user_feedback.h"
#include "resources/texts.h"

CSocket_error_box::CSocket_error_box(std::optional<int> caption_suffix, int low_code_text)
    : m_caption_suffix(caption_suffix), m_low_code_text(low_code_text)
{}

int CSocket_error_box::text_number(int code) const
{
    if (code == socket_error::none) {
        return socket_error::generic;
    }
    return code < socket_error::generic ? m_low_code_text : code;
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
    if (m_caption_suffix) {
        box.caption += LoadText(*m_caption_suffix);
    }
    box.text = LoadText(text_number(code));
    ShowMessageBox(box);
    m_on_screen = false;
    return true;
}
