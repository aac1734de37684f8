#include "settings/Form_ethernet_logging.h"

#include "settings/logging_groups.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>

TFormEthernetLogging::TFormEthernetLogging(QWidget *parent)
    : TFormCommonEthernetLogging("FormEthernetLogging", parent)
{
    set_group_table(EthernetLoggingGroups());
}

void TFormEthernetLogging::ButtonKoruProcClick(EPort port)
{
    constexpr int fifty_hz = 50;
    SPage &at = page(port);
    at.rate->setCurrentIndex(at.rate->findData(fifty_hz));
    CheckGroupLines(*at.groups, PostProcessingGroups());
}

// The Hotlink interface takes the primary port's place: its stream is not logged to a file.
void TFormEthernetLogging::showEvent(QShowEvent *event)
{
    TFormCommonEthernetLogging::showEvent(event);
    const bool hotlink = Program().options.has_hotlink_interface();
    setWindowTitle(hotlink ? tr("Hotlink/Ethernet Logging Control")
                           : tr("Ethernet Logging Control"));
    pages().setTabText(primary, hotlink ? tr("Hotlink") : tr("Primary"));
    pages().setTabText(secondary, hotlink ? tr("Ethernet") : tr("Secondary"));
    allow_file_logging(primary, !hotlink);
}
