#include "settings/Form_output_port.h"

#include "platform/user_feedback.h"
#include "protocol/command_messages.h"
#include "protocol/navigation_groups.h"
#include "protocol/status_words.h"
#include "settings/output_port_records.h"
#include "ui_Form_output_port.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>

#include <numeric>
#include <string>

namespace {

using A = CGen_status_a::bits;

// The lines of COM1's sentence list and the bit of each.
struct SSentence {
    unsigned bit;
    const char *text;
};
constexpr SSentence sentences[] = {
    {CCom1_formula::bits::invtg, "$INVTG - Track made good and ground speed"},
    {CCom1_formula::bits::ingst, "$INGST - Pseudorange measurement noise stats"},
    {CCom1_formula::bits::ingga, "$INGGA - Global position system fix"},
    {CCom1_formula::bits::inhdt, "$INHDT - Heading"},
    {CCom1_formula::bits::pashr_tb, "$PASHR - Attitude, Tate-Bryant"},
    {CCom1_formula::bits::prdid_tb, "$PRDID - Attitude, Tate-Bryant"},
    {CCom1_formula::bits::inzda, "$INZDA - Date and time"},
    {CCom1_formula::bits::event1, "$EVT1 - Event 1 Time Mark"},
    {CCom1_formula::bits::event2, "$EVT2 - Event 2 Time Mark"},
    {CCom1_formula::bits::event1pa, "$EVNT1PA - Event 1 Navigation Solution"},
    {CCom1_formula::bits::event2pa, "$EVNT2PA - Event 2 Navigation Solution"},
    {CCom1_formula::bits::prigga, "$GPGGA - Primary GGA message"},
    {CCom1_formula::bits::privtg, "$GPVTG - Primary VTG message"},
    {CCom1_formula::bits::inpps, "$INPPS - PPS Time Recovery message"},
    {CCom1_formula::bits::vistrel1, "$VISTREL1 - Real Time Vistrel Event 1"},
    {CCom1_formula::bits::vistrel2, "$VISTREL2 - Real Time Vistrel Event 2"},
};

std::vector<unsigned> sentence_bits()
{
    std::vector<unsigned> bits;
    for (const SSentence &sentence : sentences) {
        bits.push_back(sentence.bit);
    }
    return bits;
}

// Codes of the port controls' items, in item order.
const std::vector<long long> baud_codes = {
    CCom_port::baud_4800,  CCom_port::baud_9600,  CCom_port::baud_19200, CCom_port::baud_38400,
    CCom_port::baud_57600, CCom_port::baud_76800, CCom_port::baud_115200};
const std::vector<long long> parity_codes = {
    CCom_port_protocol::no_parity, CCom_port_protocol::even_parity, CCom_port_protocol::odd_parity};
const std::vector<long long> data_bits_codes = {CCom_port_protocol::seven_data_bits,
                                                CCom_port_protocol::eight_data_bits};
const std::vector<long long> stop_bits_codes = {CCom_port_protocol::one_stop_bit,
                                                CCom_port_protocol::two_stop_bits};
constexpr int eight_bits_item = 1;
constexpr int one_stop_bit_item = 0;
constexpr long long baud_19200_item = 2;

// Update rates in Hz, item by item. COM2's two fastest follow the IMU's rate.
const std::vector<long long> com1_rates = {1, 2, 5, 10, 20, 25, 50};
const std::vector<long long> com3_rates = {1, 2, 5, 10, 20, 25, 50, 100, 200};
constexpr int com2_fast_rates[][2] = {{100, 200}, {125, 250}, {150, 300}};
constexpr int com2_fast_item = 7;
constexpr int com2_fastest_item = 8;
constexpr std::uint8_t imu_250_hz = 6;
constexpr std::uint8_t imu_300_hz = 7;
constexpr long long default_com2_rate = 25;

// Output and input formats: COM2's items are its codes from ATT01 on, COM3's skip code 5, which
// the computer reads as the azimuth mount's.
std::vector<long long> com2_format_codes()
{
    std::vector<long long> codes(CMessage103::gsm3000 - CMessage103::att01 + 1);
    std::iota(codes.begin(), codes.end(), static_cast<long long>(CMessage103::att01));
    return codes;
}
const std::vector<long long> com3_format_codes = {
    CMessage104::auxiliary_gps, CMessage104::gim01,   CMessage104::gim02,
    CMessage104::tas_gim,       CMessage104::p30_gim, CMessage104::azimuth_mount,
    CMessage104::gsm300,        CMessage104::pv_su};
constexpr long long unoffered_azimuth_mount_code = 5;
const std::vector<long long> analog_format_codes = {CMessage105::rph, CMessage105::tas_yaw_drift,
                                                    CMessage105::rprr};

int item_of(const std::vector<long long> &codes, long long code)
{
    return static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin());
}

// Ranges of the diagnostics values: degrees, and metres of heave. The analog output's third
// channel carries heading, or roll rate in degrees per second.
constexpr double lowest_angle = -179.99999;
constexpr double highest_angle = 180;
constexpr double highest_heading = 359.99999;
constexpr double largest_heave = 100;
constexpr double largest_roll_rate = 150;
constexpr double largest_scale_factor = 1000000;
constexpr int decimals = 3;

constexpr const char *port_names[] = {" COM1", " COM2", " COM3", " Analog Port"};

// The senses of roll, pitch and heave, in the controls ending in `suffix`.
template <class TMessage>
void bind_senses(TMessage_fields<TMessage> &fields, const std::string &suffix)
{
    fields.choice(("rollSense" + suffix).c_str(), &TMessage::roll_sense);
    fields.choice(("pitchSense" + suffix).c_str(), &TMessage::pitch_sense);
    fields.choice(("heaveSense" + suffix).c_str(), &TMessage::heave_sense);
}

// A serial port in the controls ending in `suffix`. A code without an item is sent as the
// port's factory setting once the user leaves it unchosen; the data bits and stop bits show
// their usual setting for a code they do not know.
template <class TMessage>
void bind_port(TMessage_fields<TMessage> &fields, const std::string &suffix,
               CCom_port &(TMessage::*port)())
{
    fields.check(("com" + suffix + "Enable").c_str(), [port](TMessage & m) -> auto & {
        return (m.*port)().port_control();
    });
    fields.choice(("baudRate" + suffix).c_str(),
                  [port](TMessage & m) -> auto & { return (m.*port)().baud_rate(); },
                  {.codes = baud_codes, .unchosen = CCom_port::baud_9600});
    fields.choice(("parity" + suffix).c_str(),
                  [port](TMessage & m) -> auto & { return (m.*port)().protocol().parity(); },
                  {.codes = parity_codes, .unchosen = CCom_port_protocol::no_parity});
    fields.choice(("dataBits" + suffix).c_str(),
                  [port](TMessage & m) -> auto & { return (m.*port)().protocol().data_bits(); },
                  {.codes = data_bits_codes,
                   .fallback = eight_bits_item,
                   .unchosen = CCom_port_protocol::eight_data_bits});
    fields.choice(("stopBits" + suffix).c_str(),
                  [port](TMessage & m) -> auto & { return (m.*port)().protocol().stop_bits(); },
                  {.codes = stop_bits_codes,
                   .fallback = one_stop_bit_item,
                   .unchosen = CCom_port_protocol::one_stop_bit});
}

QString rate_text(int hz)
{
    return QStringLiteral("%1 Hz").arg(hz, 3);
}

} // namespace

TFormOutputPort::TFormOutputPort(QWidget *parent)
    : TFormKoruSettings("FormOutputPort", parent),
      m_ui(std::make_unique<Ui::FormOutputPortContent>()),
      m_fields(*this),
      m_com2_values(*this),
      m_analog_values(*this),
      m_last_mode(CMessage7::standby),
      m_return_mode(CMessage7::standby)
{
    setWindowTitle(tr("Input and Output Port Setup"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    for (const SSentence &sentence : sentences) {
        auto *line = new QListWidgetItem(tr(sentence.text), m_ui->formula1);
        line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Unchecked);
    }
    // Every sentence reads whole.
    QListWidget &list = *m_ui->formula1;
    list.setMinimumWidth(list.sizeHintForColumn(0) + 2 * list.frameWidth() +
                         list.verticalScrollBar()->sizeHint().width());
    for (const long long hz : com1_rates) {
        m_ui->updateRate2->addItem(rate_text(static_cast<int>(hz)), hz);
    }
    for (const int hz : com2_fast_rates[0]) {
        m_ui->updateRate2->addItem(rate_text(hz), hz);
    }
    m_ui->updateRate2->setCurrentIndex(m_ui->updateRate2->findData(default_com2_rate));
    m_enables = {m_ui->com1Enable, m_ui->com2Enable, m_ui->com3Enable, m_ui->analogEnable};

    bind_port_settings();
    bind_diagnostics_values();
    show_format_controls();
    show_diagnostics(false);

    Get(Program().groups, m_imu);
    Get(Program().groups, m_status);
    Get(Program().messages, m_mode);

    const auto format_changed = [this] { show_format_controls(); };
    connect(m_ui->formula2, &QComboBox::currentIndexChanged, this, format_changed);
    connect(m_ui->formula3, &QComboBox::currentIndexChanged, this, format_changed);
    connect(m_ui->formulaA, &QComboBox::currentIndexChanged, this, format_changed);
    connect(m_ui->formula2, &QComboBox::activated, this, [this](int i) { formula2_chosen(i); });
    connect(m_ui->formula3, &QComboBox::activated, this, [this](int i) { formula3_chosen(i); });
    connect(m_ui->ButtonDiagnostics2, &QPushButton::clicked, this,
            [this] { toggle_diagnostics(m_ui->Roll2); });
    connect(m_ui->ButtonDiagnosticsA, &QPushButton::clicked, this,
            [this] { toggle_diagnostics(m_ui->RollA); });
    connect(m_ui->ButtonUpdate2, &QPushButton::clicked, this,
            [this] { update_values(m_ui->ButtonUpdate2, m_com2_values); });
    connect(m_ui->ButtonUpdateA, &QPushButton::clicked, this,
            [this] { update_values(m_ui->ButtonUpdateA, m_analog_values); });
}

TFormOutputPort::~TFormOutputPort() = default;

void TFormOutputPort::bind_port_settings()
{
    auto &com1 = m_fields.message<CMessage102>();
    bind_senses(com1, "1");
    com1.bits("formula1", &CMessage102::formula_select, sentence_bits());
    bind_port(com1, "1", &CMessage102::com1);
    com1.choice("updateRate1", &CMessage102::update_rate,
                {.codes = com1_rates, .unchosen = com1_rates.front()});

    auto &com2 = m_fields.message<CMessage103>();
    bind_senses(com2, "2");
    com2.choice("formula2", &CMessage103::formula_select,
                {.codes = com2_format_codes(), .unchosen = CMessage103::att01});
    bind_port(com2, "2", &CMessage103::com2);
    // The rates the two fastest items stand for change with the IMU; any of them chooses them.
    std::vector<std::pair<long long, int>> fast_rates;
    for (const auto &[fast, fastest] : com2_fast_rates) {
        fast_rates.emplace_back(fast, com2_fast_item);
        fast_rates.emplace_back(fastest, com2_fastest_item);
    }
    com2.choice("updateRate2", &CMessage103::update_rate,
                {.unchosen = default_com2_rate, .aliases = fast_rates});
    com2.integer("tm1bDelay", &CMessage103::tm1b_delay, 0, CMessage103::largest_tm1b_delay)
        .send_when_unused(0);

    auto &com3 = m_fields.message<CMessage104>();
    com3.choice("formula3", &CMessage104::formula_select,
                {.codes = com3_format_codes,
                 .unchosen = CMessage104::auxiliary_gps,
                 .aliases = {{unoffered_azimuth_mount_code,
                              item_of(com3_format_codes, CMessage104::azimuth_mount)}}});
    bind_port(com3, "3", &CMessage104::com3);
    com3.choice("updateRate3", &CMessage104::update_rate,
                {.codes = com3_rates, .unchosen = default_com2_rate});
    com3.choice("aux1Format", &CMessage104::aux_1_protocol);
    com3.choice("aux2Format", &CMessage104::aux_2_protocol);

    auto &analog = m_fields.message<CMessage105>();
    analog.real("rollScaleFactorA", &CMessage105::roll_scale_factor, 0, largest_scale_factor,
                decimals);
    analog.real("pitchScaleFactorA", &CMessage105::pitch_scale_factor, 0, largest_scale_factor,
                decimals);
    analog.real("heaveScaleFactorA", &CMessage105::heave_scale_factor, 0, largest_scale_factor,
                decimals);
    bind_senses(analog, "A");
    analog.choice("formulaA", &CMessage105::formula_select,
                  {.codes = analog_format_codes, .unchosen = CMessage105::rph});
    analog.check("analogEnable", &CMessage105::output_enable);
}

void TFormOutputPort::bind_diagnostics_values()
{
    for (TSpinFloatEdit *value : {m_ui->Roll2, m_ui->Pitch2, m_ui->Heading2, m_ui->Heave2,
                                  m_ui->RollA, m_ui->PitchA, m_ui->HeaveA}) {
        value->SetText(QStringLiteral("0"));
    }
    auto &com2 = m_com2_values.message<CMessage20102>();
    com2.real("Roll2", &CMessage20102::roll_input, lowest_angle, highest_angle, decimals);
    com2.real("Pitch2", &CMessage20102::pitch_input, lowest_angle, highest_angle, decimals);
    com2.real("Heading2", &CMessage20102::heading_input, 0, highest_heading, decimals);
    com2.real("Heave2", &CMessage20102::heave_input, -largest_heave, largest_heave, decimals);

    // The third value's range follows what the analog output's third channel carries.
    auto &analog = m_analog_values.message<CMessage20103>();
    analog.real("RollA", &CMessage20103::roll_input, lowest_angle, highest_angle, decimals);
    analog.real("PitchA", &CMessage20103::pitch_input, lowest_angle, highest_angle, decimals);
    analog.real("HeaveA", &CMessage20103::heave_input, 0, highest_heading, decimals);
}

bool TFormOutputPort::UpdateFromGroup(int)
{
    if (m_status->is_current()) {
        const std::uint32_t others = ~status_mask(A::coarse_leveling_failed);
        m_return_mode = (status_words_of(*m_status).general_a & others) != 0 ? CMessage7::navigate
                                                                             : CMessage7::standby;
        return true;
    }
    if (m_imu->is_current() && m_imu->has_value(m_imu->data_rate())) {
        show_imu_rate(m_imu->data_rate().get());
        return true;
    }
    return false;
}

// The list keeps its fastest rates when the IMU reports a rate it has none for.
void TFormOutputPort::show_imu_rate(std::uint8_t code)
{
    if (code == m_imu_rate_code) {
        return;
    }
    m_imu_rate_code = code;
    if (code != imu_250_hz && code != imu_300_hz) {
        return;
    }
    const auto &[fast, fastest] = com2_fast_rates[code == imu_250_hz ? 1 : 2];
    m_ui->updateRate2->setItemText(com2_fast_item, rate_text(fast));
    m_ui->updateRate2->setItemData(com2_fast_item, fast);
    m_ui->updateRate2->setItemText(com2_fastest_item, rate_text(fastest));
    m_ui->updateRate2->setItemData(com2_fastest_item, fastest);
}

bool TFormOutputPort::UpdateFromMessage(int)
{
    if (m_mode->is_current() && m_mode->has_value(m_mode->mode_type())) {
        m_last_mode = m_mode->mode_type().get();
    }
    m_fields.load();
    m_com2_values.load();
    m_analog_values.load();
    show_format_controls();
    return false;
}

void TFormOutputPort::show_format_controls()
{
    const int tm1b_item = CMessage103::tm1b - CMessage103::att01;
    const bool tm1b = m_ui->formula2->currentIndex() == tm1b_item;
    m_ui->tm1bDelay->setVisible(tm1b);
    m_ui->tm1bDelayLabel->setVisible(tm1b);

    const bool auxiliary_gps =
        m_ui->formula3->currentIndex() == item_of(com3_format_codes, CMessage104::auxiliary_gps);
    m_ui->aux1Format->setVisible(auxiliary_gps);
    m_ui->aux1FormatLabel->setVisible(auxiliary_gps);

    const bool roll_rate =
        m_ui->formulaA->currentIndex() == item_of(analog_format_codes, CMessage105::rprr);
    m_ui->heaveScaleFactorALabel->setText(roll_rate ? tr("Roll Rate") : tr("Heading"));
    m_ui->HeaveALabel->setText(roll_rate ? tr("RollRate(deg/s)") : tr("Heading (deg)"));
    m_ui->heaveSenseA->setVisible(!roll_rate);
    m_ui->HeaveA->SetRangeMin(roll_rate ? -largest_roll_rate : 0);
    m_ui->HeaveA->SetRangeMax(roll_rate ? largest_roll_rate : highest_heading);
}

// A GSM3000 is read at 20 Hz and 19200 baud.
void TFormOutputPort::formula2_chosen(int index)
{
    if (index == CMessage103::gsm3000 - CMessage103::att01) {
        m_ui->updateRate2->setCurrentIndex(m_ui->updateRate2->findData(20));
        m_ui->baudRate2->setCurrentIndex(baud_19200_item);
    }
}

// The encoders that need their own rate and baud rate.
void TFormOutputPort::formula3_chosen(int index)
{
    const long long format = com3_format_codes[static_cast<std::size_t>(index)];
    if (format == CMessage104::gsm300 || format == CMessage104::tas_gim) {
        m_ui->baudRate3->setCurrentIndex(baud_19200_item);
    }
    if (format == CMessage104::gsm300 || format == CMessage104::pv_su) {
        m_ui->updateRate3->setCurrentIndex(item_of(com3_rates, 20));
    } else if (format == CMessage104::tas_gim) {
        m_ui->updateRate3->setCurrentIndex(item_of(com3_rates, 2));
    }
}

void TFormOutputPort::showEvent(QShowEvent *event)
{
    TFormKoruSettings::showEvent(event);
    m_ui->ButtonUpdate2->setEnabled(buttonOk()->isEnabled());
    m_ui->ButtonUpdateA->setEnabled(buttonOk()->isEnabled());
    remember_enabled_ports();
    show_diagnostics(m_last_mode == CMessage7::diagnostics);
}

void TFormOutputPort::remember_enabled_ports()
{
    for (std::size_t port = 0; port < m_enables.size(); ++port) {
        m_were_enabled[port] = m_enables[port]->isChecked();
    }
}

bool TFormOutputPort::disabling_confirmed()
{
    QStringList disabled;
    for (std::size_t port = 0; port < m_enables.size(); ++port) {
        if (m_were_enabled[port] && !m_enables[port]->isChecked()) {
            disabled.append(tr(port_names[port]));
        }
    }
    if (disabled.isEmpty()) {
        return true;
    }
    SMessage_box box;
    box.parent = this;
    box.icon = QMessageBox::Question;
    box.caption = tr("Confirm Action");
    box.text =
        tr("You are about to disable:") + disabled.join(',') + tr("\n\nDo you wish to continue?");
    box.buttons = QMessageBox::Yes | QMessageBox::No;
    return ShowMessageBox(box) == QMessageBox::Yes;
}

bool TFormOutputPort::entries_ready()
{
    return m_fields.check() && disabling_confirmed();
}

void TFormOutputPort::SendSettings(int)
{
    m_fields.send();
    remember_enabled_ports();
}

// Opening asks the computer for its diagnostics mode; closing returns it to the mode it was in.
void TFormOutputPort::toggle_diagnostics(QWidget *focus_when_opened)
{
    const bool opening = m_ui->GroupBoxDiagnostics2->isHidden();
    CMessage7 mode;
    mode.mode_type().set(opening ? std::uint8_t{CMessage7::diagnostics} : m_return_mode);
    if (Program().controller == nullptr || Program().controller->send_message(mode) == 0) {
        return;
    }
    show_diagnostics(opening);
    if (opening) {
        focus_when_opened->setFocus();
    }
}

void TFormOutputPort::show_diagnostics(bool shown)
{
    m_ui->GroupBoxDiagnostics2->setVisible(shown);
    m_ui->GroupBoxDiagnosticsA->setVisible(shown);
    const QString caption = shown ? tr("Diagnostics <<") : tr("Diagnostics >>");
    m_ui->ButtonDiagnostics2->setText(caption);
    m_ui->ButtonDiagnosticsA->setText(caption);
    adjustSize();
}

void TFormOutputPort::update_values(QPushButton *button, CDialog_fields &values)
{
    if (focus_on(button) && values.check()) {
        values.send();
    }
}
