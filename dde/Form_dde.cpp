#include "dde/Form_dde.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPlainTextEdit *add_memo(TFormKoruView &window, const QString &caption, const char *name)
{
    window.content()->addWidget(new QLabel(caption, window.BorderBevel()));
    auto *memo = new QPlainTextEdit(window.BorderBevel());
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    window.content()->addWidget(memo, 1);
    return memo;
}

} // namespace

TFormDde::TFormDde(QWidget *parent)
    : TFormKoruView("FormDde", parent),
      m_sent(add_memo(*this, tr("Data sent to Tracker"), "Memo1")),
      m_received(add_memo(*this, tr("Data received from Tracker"), "Memo2")),
      m_values(m_states),
      m_poke(m_states),
      m_service(*this),
      m_pace(*this, [this] { m_sent->setPlainText(m_values.text().text()); }),
      m_scheduler([this](std::chrono::milliseconds delay, std::function<void()> action) {
          QTimer::singleShot(delay, this, std::move(action));
      }),
      m_program_end([] { QCoreApplication::exit(0); })
{
    setWindowTitle(tr("Dde Debug"));
    m_sent->setPlainText(m_values.text().text());
    Program().dde_server = this;
    resize(420, 560);
}

TFormDde::~TFormDde()
{
    if (Program().dde_server == this) {
        Program().dde_server = nullptr;
    }
}

bool TFormDde::start(const QDBusConnection &bus)
{
    return m_service.start(bus);
}

// The controller connects once the wait has passed, unless this conversation has ended by then.
void TFormDde::open_conversation()
{
    m_conversation_active = true;
    const unsigned conversation = ++m_conversation;
    if (Program().controller == nullptr) {
        return;
    }
    m_connect_pending = true;
    m_scheduler(connect_delay, [this, conversation] {
        if (conversation != m_conversation || !m_conversation_active) {
            return;
        }
        m_connect_pending = false;
        if (Program().controller != nullptr) {
            Program().controller->connect_as_controller();
        }
    });
}

void TFormDde::close_conversation()
{
    m_conversation_active = false;
    m_connect_pending = false;
    m_program_end();
}

QString TFormDde::published_text() const
{
    return m_values.text().text();
}

QString TFormDde::take_poke(const QString &text)
{
    if (text.size() > largest_poke) {
        return tr("The control text has %1 characters; at most %2 are taken.")
            .arg(text.size())
            .arg(largest_poke);
    }
    m_received->setPlainText(text);
    if (m_connect_pending) {
        LogLine(tr("DDE: the control values came before the controller connected: nothing was "
                   "sent."));
        return {};
    }
    m_poke.apply(PokedLines(text));
    return {};
}

bool TFormDde::UpdateFromGroup(int)
{
    const bool due = m_values.take_group();
    text_changed();
    if (due) {
        publish();
    }
    return due;
}

bool TFormDde::UpdateFromMessage(int)
{
    m_values.take_messages();
    text_changed();
    return false;
}

void TFormDde::ResetDisplay(int)
{
    m_values.clear();
    text_changed();
}

void TFormDde::RefreshDisplay()
{
    m_pace.fill_now();
}

void TFormDde::text_changed()
{
    m_pace.request();
}

void TFormDde::publish()
{
    if (m_conversation_active) {
        m_service.advise(m_values.text().text());
    }
}
