#include "settings/Form_gps_installation.h"

#include "settings/gps_installation_records.h"
#include "ui_Form_gps_installation.h"

#include <string>

namespace {

using CReceiver = CGps_receiver_message;

// Output rates in Hz, in the order of the rate list; any other rate shows the first.
const std::vector<long long> output_rates = {1, 2, 3, 4, 5, 10};

// Shows and enables the controls that receiver type `type` has, hides and disables the others.
void apply_receiver_type(const TFormGpsInstallation::SReceiver_page &page, int type)
{
    const bool antenna = type == CReceiver::gram;
    const bool augmentation = type == CReceiver::corvane_r6 || type == CReceiver::novatel_oemv ||
                              type == CReceiver::corvane_r7;
    const bool port_control = type != CReceiver::corvane_r6 && type != CReceiver::corvane_r7;
    page.antenna->setVisible(antenna);
    page.antenna->setEnabled(antenna);
    for (QWidget *control : {page.augmentation_label, page.augmentation}) {
        control->setVisible(augmentation);
        control->setEnabled(augmentation);
    }
    page.port_control->setEnabled(port_control);
}

std::string named(const char *name, int page)
{
    return name + std::to_string(page);
}

} // namespace

TFormGpsInstallation::TFormGpsInstallation(QWidget *parent)
    : TFormFields("FormGpsInstallation", parent),
      m_ui(std::make_unique<Ui::FormGpsInstallationContent>())
{
    setWindowTitle(tr("GNSS Receiver Configuration"));
    m_ui->setupUi(body());
    m_pages = {SReceiver_page{m_ui->RadioGroupAntennaSettings1, m_ui->WaasBoxPriLabel,
                              m_ui->WaasBoxPri, m_ui->gps1Com2Control},
               SReceiver_page{m_ui->RadioGroupAntennaSettings2, m_ui->WaasBoxSecLabel,
                              m_ui->WaasBoxSec, m_ui->gps2Com2Control}};
    bind_receiver<CMessage5>(1, "WaasBoxPri");
    bind_receiver<CMessage110>(2, "WaasBoxSec");
    for (const SReceiver_page &page : m_pages) {
        apply_receiver_type(page, m_ui->receiverType1->currentIndex());
    }
}

TFormGpsInstallation::~TFormGpsInstallation() = default;

// The type is shown, not chosen: a type without a name chooses nothing and is sent back as the
// computer reported it.
template <class TMessage>
void TFormGpsInstallation::bind_receiver(int page, const char *augmentation)
{
    auto &receiver = m_fields.message<TMessage>();
    receiver.choice(named("receiverType", page).c_str(), &CReceiver::receiver_type);
    receiver.choice(named("autoConfig", page).c_str(), &CReceiver::auto_config,
                    {.codes = {1, 0}, .fallback = 0});
    receiver.choice(named("outputRate", page).c_str(), &CReceiver::output_rate,
                    {.codes = output_rates, .fallback = 0});
    receiver.choice(named("RadioGroupAntennaSettings", page).c_str(),
                    &CReceiver::antenna_frequency);
    receiver.choice(augmentation, &CReceiver::augmentation);
    receiver.choice(named("baudRate", page).c_str(), [](CReceiver &m) -> auto & {
        return m.differential_port().baud_rate();
    });
    receiver.choice(named("gps", page).append("Com2Control").c_str(),
                    [](CReceiver &m) -> auto & { return m.differential_port().port_control(); });
    receiver.choice(
        named("parity", page).c_str(),
        [](CReceiver &m) -> auto & { return m.differential_port().protocol().parity(); },
        {.codes = {CCom_port_protocol::no_parity, CCom_port_protocol::even_parity,
                   CCom_port_protocol::odd_parity}});
    receiver.choice(
        named("dataBits", page).c_str(),
        [](CReceiver &m) -> auto & { return m.differential_port().protocol().data_bits(); },
        {.codes = {CCom_port_protocol::seven_data_bits, CCom_port_protocol::eight_data_bits},
         .fallback = 1});
    receiver.choice(
        named("stopBits", page).c_str(),
        [](CReceiver &m) -> auto & { return m.differential_port().protocol().stop_bits(); },
        {.codes = {CCom_port_protocol::one_stop_bit, CCom_port_protocol::two_stop_bits},
         .fallback = 0});
}

bool TFormGpsInstallation::UpdateFromMessage(int argument)
{
    TFormFields::UpdateFromMessage(argument);
    CReceiver *echoes[] = {&m_fields.message<CMessage5>().echo(),
                           &m_fields.message<CMessage110>().echo()};
    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        CReceiver &echo = *echoes[page];
        if (echo.is_current() && echo.holds(echo.receiver_type())) {
            apply_receiver_type(m_pages[page], echo.receiver_type().get());
        }
    }
    return false;
}
