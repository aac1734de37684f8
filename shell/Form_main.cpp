#include "shell/Form_main.h"

#include "controls/value_label.h"
#include "display/formats.h"
#include "display/status_texts.h"
#include "net/host_lookup.h"
#include "net/socket_control.h"
#include "net/socket_display.h"
#include "platform/settings_store.h"
#include "platform/user_feedback.h"
#include "platform/window_message.h"
#include "protocol/status_words.h"
#include "resources/string_ids.h"
#include "resources/texts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int watchdog_period = 10000;
// How long a connection asked for on the command line waits for the computer to be heard.
constexpr int start_wait_period = 30000;
// How long a notice stays in the status bar.
constexpr int notice_period = 10000;
// A mode sent from the tool bar is not undone by the echoes already on their way.
constexpr int mode_echoes_to_skip = 2;

// The status bar's panels and their widths as designed.
enum EPanel { date_panel, time1_panel, time2_panel, pc_card_panel, connection_panel };
constexpr int panel_design_widths[] = {90, 125, 125, 125, 150};
// The connection panel's texts, in the order of TFormMain::EConnection.
constexpr int connection_texts[] = {string_id::state_waiting, string_id::state_monitor,
                                    string_id::state_connecting, string_id::state_connected,
                                    string_id::state_disconnecting};

// Values the main window keeps per user, besides its geometry.
constexpr char data_dir_value[] = "DataDir";
constexpr char system_menu_value[] = "System Menu";
constexpr char user_alarms_value[] = "UserAlarms";
constexpr char save_log_value[] = "SaveMsgLog";

using A = CGen_status_a::bits;

// A bit of General Status A that raises an alarm when it comes on.
struct SStatus_alarm {
    unsigned bit;
    int text_id;
};
constexpr SStatus_alarm status_alarms[] = {
    {A::nvm_write_fail, string_id::alarm_memory_write},
    {A::nvm_hardware_fail, string_id::alarm_memory_read},
    {A::log_port_device_full, string_id::alarm_logging_full},
    {A::log_port_file_write_error, string_id::alarm_logging_error},
};

// What each panel may show at its widest: dates of every month, time tags of every type, the
// PC-card states and the connection states.
QStringList panel_widest_texts(EPanel panel)
{
    QStringList texts{LoadText(string_id::not_available)};
    switch (panel) {
    case date_panel:
        for (int month = 1; month <= 12; ++month) {
            texts.append(FormatShortDate(2088, month, 28));
        }
        break;
    case time1_panel:
    case time2_panel:
        texts.append(FormatTimeTag(9999.0 * 3600.0 + 3599.0, 0, false));
        for (int type = 1; type <= 3; ++type) {
            texts.append(FormatTimeTag(86399.0, type, false));
        }
        break;
    case pc_card_panel:
        texts.append(PcCardStatusTexts());
        break;
    case connection_panel:
        for (const int state : connection_texts) {
            texts.append(LoadText(state));
        }
        break;
    }
    return texts;
}

QString time_tag(CGroup_record &record, TScalar<double> &time, std::uint8_t type)
{
    return record.has_value(time) ? FormatTimeTag(time.get(), type, false)
                                  : LoadText(string_id::not_available);
}

} // namespace

TFormMain::TFormMain(const QString &name, const SStart_options &start, QWidget *parent)
    : TFormKoruView(name, parent),
      m_start(start),
      m_base_caption(QString::fromLatin1(application_title)),
      m_computers([](std::size_t choices) {
          return static_cast<std::size_t>(
              QRandomGenerator::global()->bounded(static_cast<quint32>(choices)));
      }),
      m_display(new CSocket_display(this)),
      m_control(new CSocket_control(this))
{
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(m_base_caption);
    buttonClose()->hide();
    build_menus();
    build_tool_bar();
    build_status_bar();

    m_display->set_notice(window_message::datagram_sender);
    m_display->set_message_queue(&Program().messages);
    m_display->set_group_queue(&Program().groups);
    m_display->set_windows(&Program().windows);
    m_display->open(start.display_address, start.display_port);
    m_control->set_message_queue(&Program().messages);
    m_control->set_connect_notice(window_message::connect_result);
    m_control->set_error_notice(window_message::control_lost);
    m_control->set_windows(&Program().windows);

    Get(Program().groups, m_group101);
    Get(Program().groups, m_group1);
    Get(Program().messages, m_message0);
    Get(Program().messages, m_message7);
    Get(Program().messages, m_message13);
    Program().controller = this;
    Program().display_counters = &m_display->counters();

    m_start_wait = new QTimer(this);
    m_start_wait->setSingleShot(true);
    m_start_wait->setInterval(start_wait_period);
    connect(m_start_wait, &QTimer::timeout, this, [this] {
        LogLine(tr("KORU %1 was not heard within %2 s.")
                    .arg(m_start.computer)
                    .arg(m_start_wait->interval() / 1000));
        ToolButtonConnectClick();
    });

    m_watchdog = new QTimer(this);
    m_watchdog->setInterval(watchdog_period);
    connect(m_watchdog, &QTimer::timeout, this, &TFormMain::watchdog_tick);
    m_watchdog->start();

    // Logging off or shutting the machine down ends the program without any question.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] {
        m_prompts_allowed = false;
        m_configuration_changed = false;
        close();
    });
    set_connection(EConnection::waiting);
}

TFormMain::~TFormMain()
{
    m_display->close();
    if (m_control->is_connecting()) {
        m_control->close();
    } else if (is_controller()) {
        disconnect_as_controller();
    }
    if (Program().controller == this) {
        Program().controller = nullptr;
    }
    if (Program().display_counters == &m_display->counters()) {
        Program().display_counters = nullptr;
    }
}

bool TFormMain::is_controller() const
{
    return m_control->is_connected();
}

long TFormMain::send_message(CMessage_record &message)
{
    return is_controller() ? m_control->send(message) : 0;
}

// --- building the window -----------------------------------------------------------------

void TFormMain::build_tool_bar()
{
    m_tool_bar = new QToolBar(this);
    m_tool_bar->setObjectName("ToolBar1");
    auto *layout = static_cast<QVBoxLayout *>(this->layout());
    layout->insertWidget(0, m_tool_bar);
    exclude_from_scaling(m_tool_bar);

    m_selection = new QComboBox(m_tool_bar);
    m_selection->setObjectName("KoruSelection");
    m_selection->setEditable(true);
    m_selection->setInsertPolicy(QComboBox::NoInsert);
    m_selection->setMinimumContentsLength(16);
    m_selection->lineEdit()->setPlaceholderText(tr("Enter KORU Address"));
    connect(m_selection->lineEdit(), &QLineEdit::returnPressed, this,
            &TFormMain::KoruSelectionEnter);
    connect(m_selection, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < m_computers.size()) {
            SelectComputer(m_computers.address(static_cast<std::size_t>(index)));
        }
    });
    m_tool_bar->addWidget(m_selection);

    // Connect and Monitor, and the three modes, are each one of a kind: pressing one releases
    // the other.
    auto *role = new QButtonGroup(this);
    auto *modes = new QButtonGroup(this);
    auto add_button = [this](const QString &text, const QString &name, QButtonGroup *group) {
        auto *button = new QToolButton(m_tool_bar);
        button->setObjectName(name);
        button->setText(text);
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        group->addButton(button);
        return std::pair{button, m_tool_bar->addWidget(button)};
    };
    m_connect_button = add_button(tr("Connect"), "ToolButtonConnect", role).first;
    m_monitor_button = add_button(tr("Monitor"), "ToolButtonMonitor", role).first;
    m_monitor_button->setChecked(true);
    connect(m_connect_button, &QToolButton::clicked, this, &TFormMain::ToolButtonConnectClick);
    connect(m_monitor_button, &QToolButton::clicked, this, [this] {
        ToolButtonMonitorClick();
        KoruSelectionEnter();
    });
    m_tool_bar->addSeparator();
    m_standby_button = add_button(tr("Standby"), "ToolButtonStandby", modes).first;
    m_navigate_button = add_button(tr("Navigate"), "ToolButtonNavigate", modes).first;
    const auto diagnostics = add_button(tr("Diagnostics"), "ToolButtonDiagnostics", modes);
    m_diagnostics_button = diagnostics.first;
    diagnostics.second->setVisible(false);
    m_standby_button->setChecked(true);
    connect(m_standby_button, &QToolButton::clicked, this,
            [this] { send_mode(CMessage7::standby, true); });
    connect(m_navigate_button, &QToolButton::clicked, this,
            [this] { send_mode(CMessage7::navigate, true); });
    m_tool_bar->addSeparator();
    auto *exit_button = new QToolButton(m_tool_bar);
    exit_button->setObjectName("ToolButtonExit");
    exit_button->setText(tr("Exit"));
    connect(exit_button, &QToolButton::clicked, this, &QWidget::close);
    m_tool_bar->addWidget(exit_button);
    set_mode_buttons_enabled(false);
}

void TFormMain::build_status_bar()
{
    m_status_bar = new QStatusBar(this);
    m_status_bar->setObjectName("StatusBar1");
    m_status_bar->setSizeGripEnabled(true);
    for (int panel = 0; panel < 5; ++panel) {
        m_panels[panel] = new TValueLabel(m_status_bar);
        m_panels[panel]->setObjectName(QString("StatusPanel%1").arg(panel));
        m_panels[panel]->setFrameShape(QFrame::Panel);
        m_panels[panel]->setFrameShadow(QFrame::Sunken);
        m_panels[panel]->SetWidestTexts(panel_widest_texts(static_cast<EPanel>(panel)));
        m_panels[panel]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        m_status_bar->addPermanentWidget(m_panels[panel]);
    }
    layout()->addWidget(m_status_bar);
    exclude_from_scaling(m_status_bar);
    size_panels(1, 1);
}

// Each panel grows to its share of the bar (`bar_width` of `reference_width`) and is never
// narrower than its widest text. The share is an upper bound, not a minimum, so that a bar made
// wide once does not keep the window from being made small again.
void TFormMain::size_panels(int bar_width, int reference_width)
{
    for (int panel = 0; panel < 5; ++panel) {
        m_panels[panel]->setMaximumWidth(
            std::max(panel_design_widths[panel] * bar_width / reference_width,
                     m_panels[panel]->minimumSizeHint().width()));
    }
}

// Each panel keeps its designed share of the bar. The share is taken once the bar has a width:
// a program started minimized has none at first.
void TFormMain::resizeEvent(QResizeEvent *event)
{
    TFormKoruView::resizeEvent(event);
    const int bar_width = m_status_bar->width();
    if (bar_width <= 0 || !isVisible()) {
        return;
    }
    if (m_status_bar_reference == 0) {
        m_status_bar_reference = bar_width;
        return;
    }
    size_panels(bar_width, m_status_bar_reference);
}

void TFormMain::showEvent(QShowEvent *event)
{
    TFormKoruView::showEvent(event);
    if (m_start.minimized) {
        m_start.minimized = false;
        QTimer::singleShot(0, this, &QWidget::showMinimized);
    }
    read_options();
    apply_options();
}

// --- the connection --------------------------------------------------------------------

void TFormMain::set_connection(EConnection state)
{
    m_connection = state;
    m_panels[connection_panel]->setText(LoadText(connection_texts[static_cast<int>(state)]));
    emit status_changed();
}

// What the user should know at once and find again later: the status bar and the message log.
void TFormMain::tell(const QString &text)
{
    m_status_bar->showMessage(text, notice_period);
    LogLine(text);
}

// While only monitoring, the mode buttons show the computer's mode but cannot change it.
void TFormMain::set_mode_buttons_enabled(bool all)
{
    for (QToolButton *button : {m_standby_button, m_navigate_button}) {
        button->setEnabled(all || button->isChecked());
    }
}

// The selected computer is the one whose groups the display port takes.
QString TFormMain::selected_text() const
{
    const std::uint32_t address = selected_address();
    return address != 0 ? QString::fromStdString(AddressText(address)) : QString();
}

std::uint32_t TFormMain::selected_address() const
{
    return m_display->filter();
}

QString TFormMain::panel_text(int panel) const
{
    return m_panels[panel]->text();
}

void TFormMain::set_watchdog_interval(int milliseconds)
{
    m_watchdog->start(milliseconds);
}

void TFormMain::connect_as_controller()
{
    m_connect_button->setChecked(true);
    ToolButtonConnectClick();
}

void TFormMain::append_to_caption(const QString &suffix)
{
    m_caption_suffix += suffix;
    show_caption();
}

void TFormMain::show_caption()
{
    const QString caption = m_base_caption + m_caption_suffix;
    setWindowTitle(selected_address() == 0 ? caption : caption + " - " + selected_text());
}

void TFormMain::ToolButtonConnectClick()
{
    m_start_wait->stop();
    if (!take_typed_entry(true)) {
        return; // the answer of the host name lookup continues the connect
    }
    if (!m_control->is_open() && !m_control->is_connecting() && selected_address() != 0) {
        set_connection(EConnection::connecting);
        m_connect_button->setChecked(true);
        m_control->connect(selected_address(), m_start.control_port);
    } else if (!m_control->is_open()) {
        m_monitor_button->setChecked(true);
    }
}

void TFormMain::ToolButtonMonitorClick()
{
    m_start_wait->stop();
    if (m_control->is_connecting()) {
        m_control->close();
    } else if (is_controller()) {
        AskSaveConfiguration(QMessageBox::Yes | QMessageBox::No);
        set_connection(EConnection::disconnecting);
        disconnect_as_controller();
        LogLine(LoadText(string_id::disconnected_from) + selected_text());
    }
    m_monitor_button->setChecked(true);
    set_mode_buttons_enabled(false);
    set_connection(EConnection::waiting);
}

void TFormMain::disconnect_as_controller()
{
    send_control(CMsg14_control::controller_disconnecting);
    m_control->close();
}

void TFormMain::connect_result(int error)
{
    if (error != 0) {
        set_connection(EConnection::waiting);
        set_mode_buttons_enabled(false);
        m_monitor_button->setChecked(true);
        show_box(QMessageBox::Warning, caption(ECaption::warning),
                 LoadText(string_id::cannot_connect));
        return;
    }
    set_connection(EConnection::connected);
    set_mode_buttons_enabled(true);
    m_connect_button->setChecked(true);
    LogLine(LoadText(string_id::connected_to) + selected_text());
}

void TFormMain::connection_lost(int reason)
{
    if (!is_controller()) {
        m_monitor_button->setChecked(true);
        set_mode_buttons_enabled(false);
    } else {
        m_connect_button->setChecked(true);
    }
    set_connection(EConnection::waiting);
    // A socket error has shown its own box; a connection the computer closed is told here, once.
    if (reason >= string_id::socket_error_first && reason <= string_id::socket_error_last) {
        LogLine(LoadText(reason));
    } else if (reason != 0) {
        message_notice(reason);
    }
}

// Every period: data flowing keeps the controller's connection alive; a whole period without
// any drops it. A period without any group makes every value shown stale until groups come again.
void TFormMain::watchdog_tick()
{
    if (!m_groups_heard && !m_data_stale) {
        m_data_stale = true;
        Program().windows.set_data_stale(true);
    }
    m_groups_heard = false;
    if (m_data_received == 1) {
        m_data_received = 2;
        if (is_controller()) {
            send_control(CMsg14_control::controller_alive);
        }
    } else if (m_data_received == 2) {
        m_data_received = 0;
        set_connection(EConnection::waiting);
        if (is_controller()) {
            m_monitor_button->setChecked(true);
            set_mode_buttons_enabled(false);
            disconnect_as_controller();
            PostWindowMessage(this, window_message::message_notice, string_id::lost_connection);
        }
    }
}

long TFormMain::send_control(CMsg14_control::ECommand command)
{
    CMessage14 control;
    control.control().set(command);
    return send_message(control);
}

long TFormMain::send_save()
{
    CMessage8 save;
    save.control().save_parameters().set(true);
    return send_message(save);
}

void TFormMain::send_mode(CMessage7::EMode mode, bool from_tool_bar)
{
    CMessage7 message;
    message.mode_type().set(mode);
    if (send_message(message) > 0 && from_tool_bar) {
        m_mode_echo_countdown = mode_echoes_to_skip;
    }
}

QString TFormMain::caption(ECaption kind) const
{
    return m_base_caption + BoxCaption(kind).mid(QString::fromLatin1(application_title).size());
}

// The main window's boxes: owned by it and kept on top.
QMessageBox::StandardButton TFormMain::show_box(QMessageBox::Icon icon, const QString &caption,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton default_button)
{
    SMessage_box box;
    box.parent = this;
    box.icon = icon;
    box.caption = caption;
    box.text = text;
    box.buttons = buttons;
    box.default_button = default_button;
    box.stays_on_top = true;
    return ShowMessageBox(box);
}

QMessageBox::StandardButton TFormMain::AskSaveConfiguration(QMessageBox::StandardButtons buttons)
{
    const bool save_hidden =
        Program().save_progress == nullptr || !Program().save_progress->is_shown();
    if (!m_configuration_changed || !is_controller() || !save_hidden) {
        return QMessageBox::No;
    }
    const QMessageBox::StandardButton answer =
        show_box(QMessageBox::Question, m_base_caption,
                 LoadText(string_id::save_configuration_question), buttons);
    if (answer == QMessageBox::Yes) {
        send_save();
    }
    return answer;
}

// --- the computers -----------------------------------------------------------------------

void TFormMain::list_computer(std::uint32_t address)
{
    const auto added = m_computers.add(address, m_computers.find(selected_address()));
    const QString text = QString::fromStdString(AddressText(address));
    const int index = static_cast<int>(added.index);
    if (added.how == CComputer_list::EAdded::appended) {
        m_selection->addItem(text);
    } else if (added.how == CComputer_list::EAdded::replaced) {
        m_selection->setItemText(index, text);
    }
    emit status_changed();
}

// A computer heard from for the first time joins the list; the first one is selected.
void TFormMain::new_sender(std::uint32_t address)
{
    if (m_computers.find(address)) {
        return;
    }
    if (m_computers.size() == CComputer_list::capacity && m_selection->view()->isVisible()) {
        return; // the user is choosing from the list: leave it as it is
    }
    const bool nothing_selected = selected_address() == 0;
    list_computer(address);
    if (nothing_selected) {
        SelectComputer(address);
    } else {
        show_caption();
    }
}

void TFormMain::KoruSelectionEnter()
{
    take_typed_entry(false);
}

void TFormMain::EnterComputer(const QString &text)
{
    m_selection->setEditText(text);
    KoruSelectionEnter();
}

// The selected computer, or the typed address or host name. A host name is looked up without
// waiting for the answer; returns false while that answer is still to come.
bool TFormMain::take_typed_entry(bool connect_afterwards)
{
    const QString typed = m_selection->currentText().trimmed();
    if (typed.isEmpty() || typed == selected_text()) {
        show_selected_in_box();
        return true;
    }
    const std::uint32_t dotted = ParseDottedAddress(typed.toStdString());
    if (dotted != 0) {
        typed_address(dotted, typed);
        return true;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_connect_after_lookup = connect_afterwards;
    m_looked_up = typed;
    LookupHost(this, window_message::host_lookup, typed);
    return false;
}

// A typed address that resolves to nothing is not listed: the selection stays as it was, and the
// user is told why. One already listed is selected where it is.
bool TFormMain::typed_address(std::uint32_t address, const QString &typed)
{
    if (address == 0) {
        const QString selected = selected_text();
        tell(selected.isEmpty()
                 ? tr("No KORU is known as \"%1\".").arg(typed)
                 : tr("No KORU is known as \"%1\"; %2 stays selected.").arg(typed, selected));
        show_selected_in_box();
        return false;
    }
    list_computer(address);
    if (const auto index = m_computers.find(address)) {
        m_selection->setCurrentIndex(static_cast<int>(*index));
    }
    SelectComputer(address);
    return true;
}

void TFormMain::show_selected_in_box()
{
    if (const auto index = m_computers.find(selected_address())) {
        m_selection->setCurrentIndex(static_cast<int>(*index));
    }
    m_selection->setEditText(selected_text());
}

void TFormMain::SelectComputer(std::uint32_t address)
{
    if (address == 0 || address == m_display->filter()) {
        return;
    }
    const bool was_controller = is_controller();
    ToolButtonMonitorClick();
    m_display->set_filter(address);
    if (const auto index = m_computers.find(address)) {
        m_selection->setCurrentIndex(static_cast<int>(*index));
    }
    show_caption();
    Program().windows.reset_display();
    if (was_controller) {
        ToolButtonConnectClick();
    }
}

// A computer named on the command line may not be up yet: the connection waits until it is
// heard on the display port, for a while, so that a script may start both in either order.
void TFormMain::apply_start_options()
{
    if (m_start.computer.isEmpty()) {
        return;
    }
    EnterComputer(m_start.computer);
    if (m_start.connect) {
        m_connect_button->setChecked(true);
        LogLine(tr("Connecting as controller once KORU %1 is heard.").arg(m_start.computer));
        m_start_wait->start();
    }
}

void TFormMain::set_start_wait(int milliseconds)
{
    m_start_wait->setInterval(milliseconds);
}

// The computer was heard, or the wait is over: connecting tells how it went either way.
void TFormMain::end_start_wait()
{
    if (m_start_wait->isActive() && selected_address() != 0) {
        ToolButtonConnectClick();
    }
}

// --- received data -----------------------------------------------------------------------

bool TFormMain::UpdateFromGroup(int)
{
    m_groups_heard = true;
    end_start_wait();
    if (m_data_stale) {
        m_data_stale = false;
        Program().windows.set_data_stale(false);
    }
    if (!m_group101->is_current()) {
        return false;
    }
    show_status(*m_group101);
    return true;
}

void TFormMain::show_status(CGroup_fdir &status)
{
    m_data_received = 1;
    const SStatus_words words = status_words_of(status);
    m_panels[pc_card_panel]->setText(PcCardStatusText(words, ETextForm::words));
    m_configuration_changed = is_bit_set(words.general_a, A::ram_config_differs) &&
                              !is_bit_set(words.general_a, A::log_port_logging_enabled);
    m_user_not_logged_in = is_bit_set(words.general_c, CGen_status_c::bits::user_not_logged_in);
    raise_status_alarms(words.general_a);

    CGroup_header &header = status.header();
    m_panels[time1_panel]->setText(
        time_tag(status, header.time_1(), header.time_types().time_type_1().get()));
    m_panels[time2_panel]->setText(
        time_tag(status, header.time_2(), header.time_types().time_type_2().get()));

    if (m_control->is_connecting()) {
        return;
    }
    if (is_controller()) {
        set_mode_buttons_enabled(true);
        m_connect_button->setChecked(true);
        set_connection(EConnection::connected);
    } else {
        m_monitor_button->setChecked(true);
        set_mode_buttons_enabled(false);
        set_connection(EConnection::monitor);
    }
}

// Each alarm is raised once, when its bit comes on.
void TFormMain::raise_status_alarms(std::uint32_t status_a)
{
    const std::uint32_t risen = status_a & ~m_previous_status_a;
    m_previous_status_a = status_a;
    for (const SStatus_alarm &alarm : status_alarms) {
        if (is_bit_set(risen, alarm.bit)) {
            PostWindowMessage(this, window_message::error_notice,
                              static_cast<std::uintptr_t>(alarm.text_id));
        }
    }
}

bool TFormMain::UpdateFromMessage(int)
{
    m_data_received = 1;
    if (m_message0->is_current()) {
        show_acknowledgement();
    }
    if (m_message7->is_current() && m_message7->holds(m_message7->mode_type())) {
        show_mode(m_message7->mode_type().get());
    }
    if (m_message13->is_current()) {
        show_date();
    }
    return false;
}

void TFormMain::show_acknowledgement()
{
    const std::uint16_t code = m_message0->response_code().get();
    const std::optional<int> text_number = CMsg0_response_code::text_number(code);
    const QString code_text = text_number ? LoadText(*text_number) : QString();
    const auto text =
        rejection_text(m_message0->message_id_received().get(), code, code_text.toStdString());
    if (text) {
        m_rejection_text = QString::fromStdString(*text);
        PostWindowMessage(this, window_message::error_notice, 0);
    }
}

void TFormMain::show_mode(std::uint8_t mode)
{
    if (m_mode_echo_countdown > 0) {
        --m_mode_echo_countdown;
        return;
    }
    // A mode without an entry of its own (the computer also reports 4) shows on the Diagnostics
    // button, with no entry checked.
    QToolButton *down = mode == CMessage7::standby    ? m_standby_button
                        : mode == CMessage7::navigate ? m_navigate_button
                                                      : m_diagnostics_button;
    down->setChecked(true);
    for (QAction *action : m_mode_entries->actions()) {
        action->setChecked(action->data().toInt() == mode);
    }
    set_mode_buttons_enabled(is_controller());
}

EChecked_mode TFormMain::checked_mode() const
{
    const QAction *checked = m_mode_entries->checkedAction();
    switch (checked != nullptr ? checked->data().toInt() : 0) {
    case CMessage7::standby:
        return EChecked_mode::standby;
    case CMessage7::navigate:
        return EChecked_mode::navigate;
    case CMessage7::diagnostics:
        return EChecked_mode::diagnostics;
    default:
        return EChecked_mode::none;
    }
}

// A date the computer does not know (zeros, or a day that does not exist) shows blank.
void TFormMain::show_date()
{
    CMessage13 &general = *m_message13;
    m_panels[date_panel]->setText(
        general.holds(general.year())
            ? FormatShortDate(general.year().get(), general.month().get(), general.day().get())
            : QString());
}

void TFormMain::ResetDisplay(int)
{
    m_configuration_changed = false;
    m_mode_echo_countdown = 0;
    Program().messages.invalidate_all();
    for (QLabel *panel : m_panels) {
        panel->clear();
    }
    set_connection(EConnection::waiting);
}

// --- notices -----------------------------------------------------------------------------

bool TFormMain::event(QEvent *event)
{
    CWindow_message *message = AsWindowMessage(event);
    if (message == nullptr) {
        return TFormKoruView::event(event);
    }
    const auto wparam = static_cast<int>(message->wparam());
    switch (message->number()) {
    case window_message::connect_result:
        connect_result(wparam);
        break;
    case window_message::datagram_sender:
        new_sender(static_cast<std::uint32_t>(message->lparam()));
        break;
    case window_message::error_notice:
        error_notice(wparam);
        break;
    case window_message::message_notice:
        message_notice(wparam);
        break;
    case window_message::control_lost:
        connection_lost(wparam);
        break;
    case window_message::host_lookup: {
        QApplication::restoreOverrideCursor();
        const bool connect_now = m_connect_after_lookup;
        m_connect_after_lookup = false;
        if (typed_address(static_cast<std::uint32_t>(message->wparam()), m_looked_up) &&
            connect_now) {
            ToolButtonConnectClick();
        } else if (connect_now && !m_control->is_open()) {
            m_monitor_button->setChecked(true);
        }
        break;
    }
    default:
        return TFormKoruView::event(event);
    }
    message->set_result(1);
    return true;
}

// One error box at a time; while it is open further errors go to the log only.
void TFormMain::error_notice(int text_id)
{
    QString text;
    if (text_id <= 0) {
        text = m_rejection_text;
        m_rejection_text = tr("Internal error 101.");
    } else {
        text = LoadText(text_id);
    }
    LogLine(text);
    if (m_error_box_open) {
        QApplication::setActiveWindow(this);
        return;
    }
    m_error_box_open = true;
    show_box(QMessageBox::Warning, caption(ECaption::error), text);
    m_error_box_open = false;
}

void TFormMain::message_notice(int text_id)
{
    if (m_message_box_open) {
        QApplication::setActiveWindow(this);
        return;
    }
    const QString text = LoadText(text_id);
    LogLine(text);
    m_message_box_open = true;
    show_box(QMessageBox::Information, caption(ECaption::message), text);
    m_message_box_open = false;
}

// --- exit --------------------------------------------------------------------------------

bool TFormMain::FormCloseQuery()
{
    IMessage_log *log = Program().message_log;
    if (log != nullptr && log->has_unsaved_lines() && m_prompts_allowed &&
        Program().options.prompt_to_save_message_log) {
        const QMessageBox::StandardButton answer = show_box(
            QMessageBox::Question, m_base_caption, LoadText(string_id::save_message_log_question),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            return false;
        }
        if (answer == QMessageBox::Yes) {
            log->save();
        }
    }
    return AskSaveConfiguration(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) !=
           QMessageBox::Cancel;
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *view = dynamic_cast<TFormKoruView *>(window);
        if (view != nullptr && view != this && view->isVisible()) {
            view->close();
        }
    }
    write_options();
    // Not the dialog's own close handling, which would go through reject(): the main window
    // does not close on Escape, but it does close here.
    event->accept();
}

// The three options are read in order; a missing one ends the reading and hides the system menu.
void TFormMain::read_options()
{
    const CWindow_settings settings(objectName());
    SOptions &options = Program().options;
    options.data_dir = settings.value(data_dir_value).toString();
    bool ok = false;
    const int system_menu = settings.value(system_menu_value).toInt(&ok);
    options.system_menu = ok && system_menu != 0;
    if (!ok) {
        return;
    }
    const int user_alarms = settings.value(user_alarms_value).toInt(&ok);
    if (!ok) {
        return;
    }
    options.user_accuracy_alarms = user_alarms != 0;
    const int save_log = settings.value(save_log_value).toInt(&ok);
    if (ok) {
        options.prompt_to_save_message_log = save_log != 0;
    }
}

void TFormMain::write_options() const
{
    CWindow_settings settings(objectName());
    const SOptions &options = Program().options;
    settings.set_value(data_dir_value, options.data_dir);
    settings.set_value(user_alarms_value, options.user_accuracy_alarms ? 1 : 0);
    settings.set_value(save_log_value, options.prompt_to_save_message_log ? 1 : 0);
    settings.set_value(system_menu_value, options.system_menu ? 1 : 0);
}
