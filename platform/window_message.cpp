#include "platform/window_message.h"

#include <QCoreApplication>

CWindow_message::CWindow_message(int number, std::uintptr_t wparam, std::intptr_t lparam,
                                 QString text)
    : QEvent(static_cast<QEvent::Type>(number)),
      m_wparam(wparam),
      m_lparam(lparam),
      m_text(std::move(text))
{}

void PostWindowMessage(QObject *receiver, int number, std::uintptr_t wparam, std::intptr_t lparam,
                       QString text)
{
    QCoreApplication::postEvent(receiver,
                                new CWindow_message(number, wparam, lparam, std::move(text)));
}

CWindow_message *AsWindowMessage(QEvent *event)
{
    return dynamic_cast<CWindow_message *>(event);
}
