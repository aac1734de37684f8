#include "lidar/Form_lidar_q560.h"

#include "lidar/lidar_link.h"
#include "lidar/lidar_records.h"
#include "lidar/scanner_script.h"
#include "platform/user_feedback.h"
#include "platform/window_message.h"
#include "resources/texts.h"
#include "shell/program.h"
#include "ui_Form_lidar_q560.h"

#include <QFile>

#include <sstream>

namespace {

using namespace std::string_view_literals;

// Caption and text of the socket error box: " Lidar Scanner Error" after the application title,
// and the text of errors without a Windows Sockets code.
constexpr int error_caption_suffix = 11101;
constexpr int error_without_code_text = 11100;

constexpr int scanner_buffer_bytes = 8192;
// Lines of the echo kept; older ones give way.
constexpr int echo_lines_kept = 1000;

// The buttons that send one fixed command each.
struct SManual_button {
    const char *name;
    std::string_view command;
};
constexpr SManual_button fixed_commands[] = {
    {"ProgrammingModeButton", "\x10"sv},
    {"OpenLogFileButton", "HDLOG_OPEN\r"sv},
    {"StartLogButton", "HDLOG1\r"sv},
    {"CloseLogFileButton", "HDLOG_CLOSE\r"sv},
    {"StopLogButton", "HDLOG0\r"sv},
    {"MeasurementModeButton", "Q\r"sv},
    {"StartScanButton", "\x18"sv},
    {"LaserOffButton", "\x06"sv},
    {"Button1", "\x0E"sv},
};
// The buttons of manual mode besides: they read "N/A" in automatic mode, "Send" in manual mode.
constexpr const char *other_manual_buttons[] = {"SendCommandButton", "LogModeButton", "SendScript"};

std::uint32_t host_order(const Address_bytes &address)
{
    return std::uint32_t{address[0]} << 24 | std::uint32_t{address[1]} << 16 |
           std::uint32_t{address[2]} << 8 | address[3];
}

std::string latin1(const QString &text)
{
    return text.toLatin1().toStdString();
}

bool connected_as_controller()
{
    return Program().controller != nullptr && Program().controller->is_controller();
}

void send_to_computer(CMessage_record &message)
{
    if (Program().controller != nullptr) {
        Program().controller->send_message(message);
    }
}

} // namespace

TFormLidarQ560::TFormLidarQ560(std::uint16_t port, std::chrono::milliseconds answer_timeout,
                               QWidget *parent)
    : TFormKoruSettings("FormLidarQ560", parent),
      m_ui(std::make_unique<Ui::FormLidarQ560Content>()),
      m_scanner(*this,
                {window_message::lidar_socket, window_message::lidar_error,
                 window_message::lidar_connect},
                this),
      m_port(port),
      m_error_box(error_caption_suffix, error_without_code_text),
      m_address(CMessage20207::default_address)
{
    setWindowTitle(tr("Lidar Q560 Control"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    Get(Program().groups, m_lidar);
    Get(Program().messages, m_address_echo);

    m_answer_timer.setSingleShot(true);
    m_answer_timer.setInterval(answer_timeout);
    connect(&m_answer_timer, &QTimer::timeout, this, [this] { answer_timed_out(); });

    connect(m_ui->connectDisconnect, &QPushButton::clicked, this,
            [this] { connectDisconnectClick(); });
    connect(m_ui->CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    connect(LidarLink()->RadioGroupLidarLogging(), &TRadioGroup::Clicked, this,
            [this](int index) { RadioGroupLidarLoggingClick(index); });
    for (const SManual_button &button : fixed_commands) {
        connect(body->findChild<QPushButton *>(button.name), &QPushButton::clicked, this,
                [this, command = button.command] { manual_command(command); });
    }
    connect(m_ui->SendCommandButton, &QPushButton::clicked, this,
            [this] { manual_command(latin1(m_ui->SendCommand->text()) + '\r'); });
    connect(m_ui->LogModeButton, &QPushButton::clicked, this, [this] {
        const int chosen = m_ui->RadioGroup1->ItemIndex();
        if (chosen >= 0) {
            manual_command("LOG_MODE" + std::to_string(chosen + 1) + '\r');
        }
    });
    connect(m_ui->ScriptPathButton, &QPushButton::clicked, this,
            [this] { ScriptPathButtonClick(); });
    connect(m_ui->SendScript, &QPushButton::clicked, this, [this] { SendScriptClick(); });
    CheckBox1Click();
}

TFormLidarQ560::~TFormLidarQ560() = default;

TLidarLink *TFormLidarQ560::LidarLink() const
{
    return m_ui->LidarLink;
}

bool TFormLidarQ560::automatic() const
{
    return m_ui->CheckBox1->isChecked();
}

// --- the computer ------------------------------------------------------------------------

bool TFormLidarQ560::UpdateFromGroup(int)
{
    if (!m_lidar->is_current()) {
        return false;
    }
    CGroup20202 &group = *m_lidar;
    if (!group.has_value(group.reserved_int_1())) {
        return true;
    }
    m_last_mode = group.reserved_int_1().get();
    if (m_last_mode != q560_interface) {
        return true;
    }
    const bool status_held = group.has_value(group.data_port_status());
    LidarLink()->ShowDataPortStatus(status_held ? std::optional(group.data_port_status().get())
                                                : std::nullopt);
    if (!group.has_value(group.reserved_int_2())) {
        return true;
    }
    const std::uint32_t request = group.reserved_int_2().get();
    if (request != m_last_request && request <= CMessage20206::logging_enabled) {
        m_last_request = request;
        m_dialogue.request_logging(request == CMessage20206::logging_enabled);
        follow_waiting_step();
    }
    return true;
}

// In automatic mode the tool connects to the address the computer echoes, once it is the
// controller.
bool TFormLidarQ560::UpdateFromMessage(int)
{
    if (!automatic() || m_last_mode != q560_interface || !m_address_echo->is_current()) {
        return false;
    }
    CMessage20207 &echo = *m_address_echo;
    Address_bytes address{};
    const auto parts = echo.address_parts();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!echo.holds(*parts[i])) {
            return false;
        }
        address[i] = parts[i]->get();
    }
    LidarLink()->IpAddress()->SetAddress(address);
    m_address = address;
    // An echoed address that no device can have is not connected to; a person pressing Connect
    // learns why. Each try is reported to the computer, whose echo comes back at once: a
    // logger that does not answer is tried again only after a while.
    const bool tried_lately =
        m_automatic_try.isValid() &&
        m_automatic_try.elapsed() < std::chrono::milliseconds(automatic_retry).count();
    if (!m_scanner.is_open() && connected_as_controller() && LidarLink()->IpAddress()->Address() &&
        !tried_lately) {
        m_automatic_try.start();
        connect_scanner(address);
    }
    return true;
}

bool TFormLidarQ560::AcceptsMessages(int)
{
    return true;
}

bool TFormLidarQ560::entries_ready()
{
    TAddressEdit *edit = LidarLink()->IpAddress();
    if (edit->Address()) {
        return true;
    }
    edit->setFocus();
    edit->CheckExit();
    return false;
}

void TFormLidarQ560::SendSettings(int)
{
    if (const std::optional<Address_bytes> address = LidarLink()->IpAddress()->Address()) {
        m_address = *address;
    }
    send_state_report();
    send_logging_request(static_cast<std::uint8_t>(m_last_request));
}

void TFormLidarQ560::RadioGroupLidarLoggingClick(int index)
{
    send_logging_request(static_cast<std::uint8_t>(index));
}

void TFormLidarQ560::send_state_report()
{
    CMessage20207 report;
    report.set_address(m_address);
    report.connect_control().set(0);
    report.reserved0().set(1);
    report.reserved1().set(m_scanner.is_connected() ? 1 : 0);
    report.reserved2().set(m_logging_state);
    report.reserved3().set(0);
    send_to_computer(report);
}

void TFormLidarQ560::send_logging_request(std::uint8_t logging)
{
    CMessage20206 request;
    request.logging_control().set(logging);
    request.flight_line_number().set(0);
    send_to_computer(request);
}

// --- the scanner connection --------------------------------------------------------------

void TFormLidarQ560::connectDisconnectClick()
{
    if (m_scanner.is_open()) {
        if (!automatic()) {
            m_scanner.close();
            scanner_closed();
        }
        return;
    }
    TAddressEdit *edit = LidarLink()->IpAddress();
    if (!edit->Address()) {
        edit->CheckExit();
        return;
    }
    connect_scanner(*edit->Address());
}

void TFormLidarQ560::connect_scanner(const Address_bytes &address)
{
    m_address = address;
    m_end_shown = false;
    m_scanner.connect(host_order(address), m_port, scanner_buffer_bytes);
    m_scanner_in_use = m_scanner.is_open();
    show_connection_state();
    send_state_report();
}

void TFormLidarQ560::connection_finished(int error)
{
    m_scanner_in_use = error == 0;
    show_connection_state();
    if (error == 0) {
        LidarLink()->Connection()->setText(tr("On"));
    }
    send_state_report();
    if (error == 0) {
        m_dialogue.connected();
        follow_waiting_step();
    }
}

void TFormLidarQ560::scanner_closed()
{
    m_scanner_in_use = false;
    m_dialogue.disconnected();
    follow_waiting_step();
    show_connection_state();
    send_state_report();
}

void TFormLidarQ560::show_connection_state()
{
    QString caption = tr("Connect");
    if (m_scanner.is_connecting()) {
        caption = tr("Connecting");
    } else if (m_scanner.is_connected()) {
        caption = tr("Disconnect");
    }
    m_ui->connectDisconnect->setText(caption);
}

void TFormLidarQ560::received(std::size_t count)
{
    const std::span<const std::byte> bytes(m_receive_area.data(), count);
    add_echo(bytes);
    m_dialogue.receive(bytes);
    follow_waiting_step();
}

void TFormLidarQ560::peer_closed()
{
    scanner_closed();
}

// An error after which the socket is of no use has closed it: the connection is over. Its end is
// shown once: a failed send is reported twice, and the second report comes after the box of the
// first has closed, so that it only beeps, as it would while the box is open.
void TFormLidarQ560::socket_error(int code)
{
    if (!m_scanner.is_open()) {
        if (m_scanner_in_use) {
            m_scanner.close();
            scanner_closed();
        } else if (m_end_shown) {
            Beep();
            return;
        }
        m_end_shown = true;
    }
    m_error_box.show(this, code);
}

void TFormLidarQ560::add_echo(std::span<const std::byte> bytes)
{
    const std::string text = ScannerEchoText(bytes);
    QListWidget *echo = m_ui->ListBox1;
    // A line of text, not a line to tick.
    auto *line =
        new QListWidgetItem(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    line->setFlags(line->flags() & ~Qt::ItemIsUserCheckable);
    echo->addItem(line);
    while (echo->count() > echo_lines_kept) {
        delete echo->takeItem(0);
    }
    echo->scrollToBottom();
}

// --- the logging sequences ---------------------------------------------------------------

void TFormLidarQ560::send_to_scanner(std::string_view command)
{
    m_scanner.send(reinterpret_cast<const std::byte *>(command.data()), command.size());
}

void TFormLidarQ560::scanner_alarm(EScanner_alarm alarm)
{
    if (alarm == EScanner_alarm::fatal) {
        post_warning(tr("Lidar FATAL error!\n Please restart the lidar and TARVO controller."));
    } else {
        post_warning(tr("Data Logger Problem\n Data Logger connection problem or full drive."));
    }
}

void TFormLidarQ560::logging_confirmed(bool logging)
{
    LidarLink()->Logging()->setText(logging ? tr("On") : tr("Off"));
    m_logging_state = logging ? 1 : 0;
    send_state_report();
}

void TFormLidarQ560::log_mode_reported(std::optional<int> mode)
{
    m_ui->RadioGroup1->setItemIndex(mode ? *mode - 1 : -1);
}

void TFormLidarQ560::gps_sync_reported(bool synchronised)
{
    m_ui->Label8->setText(synchronised ? tr("ON") : tr("OFF"));
    if (!synchronised) {
        post_warning(
            tr("Lidar GPS Synchronizaton Error!\n Please check PPS signal and COM2 message."));
    }
}

// Each step the sequences send gets the answer time anew.
void TFormLidarQ560::follow_waiting_step()
{
    if (!m_dialogue.waiting_step()) {
        m_answer_timer.stop();
        return;
    }
    if (m_dialogue.commands_sent() != m_timed_command) {
        m_timed_command = m_dialogue.commands_sent();
        m_answer_timer.start();
    }
}

void TFormLidarQ560::answer_timed_out()
{
    const std::optional<SScanner_step> step = m_dialogue.waiting_step();
    if (!step) {
        return;
    }
    const std::string_view sequence = SequenceName(step->sequence);
    const QString text =
        tr("The lidar data logger did not answer \"%1\" within %2 s (%3, step %4 of %5).")
            .arg(QString::fromLatin1(step->name.data(), static_cast<qsizetype>(step->name.size())))
            .arg(m_answer_timer.interval() / 1000.0)
            .arg(QString::fromLatin1(sequence.data(), static_cast<qsizetype>(sequence.size())))
            .arg(step->index + 1)
            .arg(step->count);
    m_dialogue.give_up();
    follow_waiting_step();
    LogLine(text);
    post_warning(text);
}

// --- manual mode -------------------------------------------------------------------------

void TFormLidarQ560::CheckBox1Click()
{
    const QString caption = automatic() ? tr("N/A") : tr("Send");
    for (const SManual_button &button : fixed_commands) {
        findChild<QPushButton *>(button.name)->setText(caption);
    }
    for (const char *name : other_manual_buttons) {
        findChild<QPushButton *>(name)->setText(caption);
    }
}

void TFormLidarQ560::manual_command(std::string_view command)
{
    if (automatic()) {
        return;
    }
    if (!m_scanner.is_connected()) {
        Beep();
        return;
    }
    send_to_scanner(command);
}

void TFormLidarQ560::ScriptPathButtonClick()
{
    SFile_choice choice;
    choice.parent = this;
    choice.caption = tr("Q560 Script");
    choice.filter = tr("All files (*)");
    const QString path = ChooseDataFile(choice);
    if (!path.isEmpty()) {
        m_ui->ScriptPath->setText(path);
    }
}

void TFormLidarQ560::SendScriptClick()
{
    if (automatic()) {
        warn(tr("Make sure you are in Manual Mode\n Uncheck Automatic/Manual Mode Box."));
        return;
    }
    QFile file(m_ui->ScriptPath->text());
    if (!file.exists()) {
        warn(tr("File does not exist!!!!"));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("File not opened!!!!"));
        return;
    }
    if (!m_scanner.is_connected()) {
        Beep();
        return;
    }
    std::istringstream in(file.readAll().toStdString());
    const SScanner_script script = ReadScannerScript(in);
    for (const std::string &command : script.commands) {
        send_to_scanner(command);
    }
    if (!script.long_lines.empty()) {
        QStringList numbers;
        for (const std::size_t number : script.long_lines) {
            numbers.append(QString::number(number));
        }
        warn(tr("Script lines longer than %1 characters were not sent: %2.")
                 .arg(longest_script_line)
                 .arg(numbers.join(QStringLiteral(", "))));
    }
    warn(tr("Please Select Automatic Mode Box"));
}

// --- boxes -------------------------------------------------------------------------------

void TFormLidarQ560::post_warning(const QString &text)
{
    m_warnings.push_back(text);
    QMetaObject::invokeMethod(
        this, [this] { show_posted_warnings(); }, Qt::QueuedConnection);
}

void TFormLidarQ560::show_posted_warnings()
{
    if (m_warning_on_screen) {
        return; // the box on screen shows the next one when it closes
    }
    m_warning_on_screen = true;
    while (!m_warnings.empty()) {
        const QString text = m_warnings.front();
        m_warnings.pop_front();
        warn(text);
    }
    m_warning_on_screen = false;
}

void TFormLidarQ560::warn(const QString &text)
{
    SMessage_box box;
    box.parent = this;
    box.icon = QMessageBox::Warning;
    box.caption = QString::fromLatin1(application_title);
    box.text = text;
    box.stays_on_top = true;
    ShowMessageBox(box);
}
