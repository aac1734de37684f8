#include "settings/Form_disk_logging.h"

#include "net/socket_errors.h"
#include "platform/user_feedback.h"
#include "platform/window_message.h"
#include "resources/texts.h"
#include "settings/log_file.h"
#include "ui_Form_disk_logging.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>

#include <cstring>

#include <sys/socket.h>

namespace {

// The logger's own socket notices, posted to itself.
constexpr int logger_socket = 36780;
constexpr int logger_connect = 36781;
constexpr int logger_error = 36782;

constexpr int tick_interval = 990; // ms
constexpr std::size_t receive_area = 256 * 1024;

QString elapsed_text(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QChar('0'))
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

} // namespace

TFormDiskLogging::TFormDiskLogging(const QString &name, const QString &caption, QWidget *parent)
    : TFormKoruBase(name, parent),
      m_ui(std::make_unique<Ui::FormDiskLoggingContent>()),
      m_stop_button(new QPushButton(tr("Stop Logging"), this)),
      m_minimize_button(new QPushButton(tr("Minimize"), this)),
      m_timer(new QTimer(this)),
      m_buffer(receive_area)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);

    // Its own buttons stand where the Close button of other windows stands: closing stops.
    buttonClose()->hide();
    m_stop_button->setObjectName("StopLoggingButton");
    m_minimize_button->setObjectName("MinimizeButton");
    m_minimize_button->setAutoDefault(false);
    button_row()->insertWidget(1, m_stop_button);
    button_row()->insertWidget(2, m_minimize_button);
    connect(m_stop_button, &QPushButton::clicked, this, &TFormDiskLogging::stop);
    connect(m_minimize_button, &QPushButton::clicked, this, &QWidget::showMinimized);

    m_timer->setObjectName("Timer1");
    m_timer->setInterval(tick_interval);
    connect(m_timer, &QTimer::timeout, this, &TFormDiskLogging::show_progress);
    m_socket.set_error_target(this, logger_error);
}

TFormDiskLogging::~TFormDiskLogging()
{
    m_owner = nullptr;
    stop();
}

void TFormDiskLogging::set_owner_notice(QObject *owner, int message)
{
    m_owner = owner;
    m_owner_message = message;
}

std::unique_ptr<ILog_sink> TFormDiskLogging::open_sink(const QString &file, bool append, int &error)
{
    auto opened = std::make_unique<CLog_file>();
    error = opened->open(QFile::encodeName(file).toStdString(), append);
    return error == 0 ? std::move(opened) : nullptr;
}

int TFormDiskLogging::start(const QString &file, bool append, std::uint32_t address)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    stop();
    int error = 0;
    m_sink = open_sink(file, append, error);
    if (m_sink == nullptr) {
        QApplication::restoreOverrideCursor();
        return error != 0 ? error : EINVAL;
    }
    m_file = QFileInfo(file).absoluteFilePath();
    m_elapsed.start();
    m_bytes_logged = 0;

    int code = m_socket.open(CA_socket::stream);
    if (code == 0) {
        m_socket.set_address(address, m_port);
        m_socket.try_option(SO_RCVBUF, receive_buffer_request);
        m_socket.async_select(this, logger_connect, socket_event::connect);
        code = m_socket.connect();
    }
    if (code != 0) {
        stop();
    }
    QApplication::restoreOverrideCursor();
    return 0;
}

void TFormDiskLogging::stop()
{
    const bool was_logging = is_logging() || m_socket.is_open();
    m_timer->stop();
    if (m_socket.is_open()) {
        m_socket.async_select(nullptr, 0, 0);
        m_socket.close();
    }
    m_sink.reset();
    if (isVisible()) {
        hide();
    }
    if (was_logging && m_owner != nullptr && m_owner_message != 0) {
        PostWindowMessage(m_owner, m_owner_message);
    }
}

bool TFormDiskLogging::event(QEvent *event)
{
    CWindow_message *message = AsWindowMessage(event);
    if (message == nullptr) {
        return TFormKoruBase::event(event);
    }
    switch (message->number()) {
    case logger_connect:
        if (m_socket.is_current(message->wparam()) &&
            socket_event::event_of(message->lparam()) == socket_event::connect) {
            connected(socket_event::error_of(message->lparam()));
        }
        break;
    case logger_socket:
        if (m_socket.is_current(message->wparam())) {
            receive();
        }
        break;
    case logger_error:
        socket_error(static_cast<int>(message->wparam()));
        break;
    default:
        return TFormKoruBase::event(event);
    }
    message->set_result(1);
    return true;
}

void TFormDiskLogging::connected(int error)
{
    if (error != 0) {
        stop();
        post_box(tr("Cannot connect to Data Port!\nThis port may be in use by another user."),
                 false);
        return;
    }
    m_socket.async_select(this, logger_socket, socket_event::read | socket_event::close);
    ShowView(*this);
    // Bytes may have come before the notices were asked for.
    receive();
}

// Reads until the connection is empty or the bound for one notice is reached; the notice comes
// again while bytes are waiting.
void TFormDiskLogging::receive()
{
    std::size_t taken = 0;
    while (is_logging() && taken < bytes_per_notice) {
        const long received = m_socket.receive(m_buffer.data(), m_buffer.size());
        if (received == 0) {
            stop();
            return;
        }
        if (received < 0) {
            if (!m_socket.is_open()) {
                stop();
            }
            return;
        }
        if (!record(static_cast<std::size_t>(received))) {
            return;
        }
        taken += static_cast<std::size_t>(received);
    }
}

bool TFormDiskLogging::record(std::size_t count)
{
    std::size_t written = 0;
    const int error = m_sink->write({m_buffer.data(), count}, written);
    m_bytes_logged += written;
    if (error == 0) {
        return true;
    }
    const QString file = m_file;
    const std::uint64_t kept = m_bytes_logged;
    stop();
    post_box(tr("Logging stopped: %1 could not take more (%2).\nThe file holds the first %3 "
                "bytes received.")
                 .arg(file, QString::fromLocal8Bit(std::strerror(error)))
                 .arg(kept),
             true);
    return false;
}

// Errors that close the connection end logging; the box shows once the read is done.
void TFormDiskLogging::socket_error(int code)
{
    if (!m_socket.is_open() && is_logging()) {
        stop();
    }
    if (code >= socket_error::generic) {
        m_error_box.show(this, code);
        Beep();
    }
}

void TFormDiskLogging::post_box(const QString &text, bool error)
{
    QMetaObject::invokeMethod(
        this,
        [this, text, error] {
            SMessage_box box;
            box.parent = this;
            box.icon = QMessageBox::Warning;
            box.caption =
                error ? BoxCaption(ECaption::error) : QString::fromLatin1(application_title);
            box.text = text;
            ShowMessageBox(box);
        },
        Qt::QueuedConnection);
}

void TFormDiskLogging::show_progress()
{
    m_ui->LoggingTime->setText(m_elapsed.isValid() ? elapsed_text(m_elapsed.elapsed())
                                                   : QStringLiteral("0"));
    m_ui->BytesLogged->setText(QString::number(m_bytes_logged));
    const QStorageInfo storage(QFileInfo(m_file).absolutePath());
    m_ui->FreeDiskSpace->setText(storage.isValid() && storage.isReady()
                                     ? QString::number(storage.bytesAvailable())
                                     : QString());
}

void TFormDiskLogging::showEvent(QShowEvent *event)
{
    TFormKoruBase::showEvent(event);
    show_progress();
    m_timer->start();
}

void TFormDiskLogging::closeEvent(QCloseEvent *event)
{
    stop();
    event->accept();
}

void TFormDiskLogging::reject()
{
    stop();
}
