#include "settings/Form_display_port.h"

#include "net/socket_display.h"
#include "protocol/navigation_messages.h"
#include "settings/logging_groups.h"
#include "ui_Form_display_port.h"

#include <QLabel>

namespace {

using SCounter = std::pair<const char *, std::uint32_t DisplayPortCounters::*>;

// The counters of the display port receiver, by the label that shows each.
constexpr SCounter counters[] = {
    {"TotalPackets", &DisplayPortCounters::packets},
    {"TotalGroups", &DisplayPortCounters::groups},
    {"TotalMessages", &DisplayPortCounters::messages},
    {"BadHeaders", &DisplayPortCounters::bad_headers},
    {"BadByteCount", &DisplayPortCounters::bad_byte_counts},
    {"BadChecksum", &DisplayPortCounters::checksum_errors},
    {"BadFooters", &DisplayPortCounters::bad_footers},
    {"InvalidGrpMsg", &DisplayPortCounters::invalid},
};

} // namespace

TFormDisplayPort::TFormDisplayPort(QWidget *parent)
    : TFormKoruSettings("FormDisplayPort", parent),
      m_ui(std::make_unique<Ui::FormDisplayPortContent>()),
      m_fields(*this)
{
    setWindowTitle(tr("Display Port Control"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    FillGroupLines(*m_ui->GroupSelect, DisplayPortGroups());
    m_fields.message<CMessage2>().group_list("GroupSelect");
    Program().group_requester = this;
}

TFormDisplayPort::~TFormDisplayPort()
{
    if (Program().group_requester == this) {
        Program().group_requester = nullptr;
    }
}

bool TFormDisplayPort::UpdateFromMessage(int)
{
    m_fields.load();
    m_list_loaded = m_fields.message<CMessage2>().echo().is_current();
    return false;
}

bool TFormDisplayPort::AcceptsMessages(int argument)
{
    show_counters();
    return TFormKoruSettings::AcceptsMessages(argument);
}

void TFormDisplayPort::show_counters()
{
    const DisplayPortCounters *counted = Program().display_counters;
    for (const auto &[name, count] : counters) {
        auto *label = findChild<QLabel *>(name);
        label->setText(counted != nullptr ? QString::number(counted->*count) : QStringLiteral("0"));
    }
}

void TFormDisplayPort::ResetDisplay(int argument)
{
    m_list_loaded = false;
    if (argument != 0) {
        return;
    }
    if (Program().display_counters != nullptr) {
        Program().display_counters->reset();
    }
    show_counters();
}

void TFormDisplayPort::SendSettings(int)
{
    m_fields.send();
}

// The request adds one group to what is broadcast rather than replacing it: the list holds the
// computer's echo, loaded here when it came after the last load, or what was sent since. A list
// already full is left alone.
void TFormDisplayPort::GroupRequest(std::uint16_t group)
{
    IController *controller = Program().controller;
    if (controller == nullptr || !controller->is_controller() || shown()) {
        return;
    }
    const CMessage2 &echo = m_fields.message<CMessage2>().echo();
    const int line = GroupLine(*m_ui->GroupSelect, group);
    if (!echo.is_current() || line < 0) {
        return;
    }
    if (!m_list_loaded) {
        m_fields.load();
        m_list_loaded = true;
    }
    QListWidgetItem *item = m_ui->GroupSelect->item(line);
    if (item->checkState() == Qt::Checked) {
        return;
    }
    item->setCheckState(Qt::Checked);
    if (!m_fields.message<CMessage2>().first_problem()) {
        SendSettings(0);
        return;
    }
    item->setCheckState(Qt::Unchecked);
    LogLine(tr("Group %1 was not asked for: the display port already carries %2 groups.")
                .arg(group)
                .arg(CMessage2::largest_group_count));
}
