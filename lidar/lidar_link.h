#pragma once
// What both lidar tools show and enter: the scanner's address, the logging asked for, and the
// connection and logging state the computer reports.

#include "controls/address_edit.h"
#include "controls/radio_group.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QLabel;

namespace Ui {
class LidarLinkContent;
}

class TLidarLink : public QWidget {
    Q_OBJECT

public:
    explicit TLidarLink(QWidget *parent = nullptr);
    ~TLidarLink() override;

    TAddressEdit *IpAddress() const;
    TRadioGroup *RadioGroupLidarLogging() const;
    QLabel *Connection() const;
    QLabel *Logging() const;

    // The connection and logging texts of a "Data Port Status"; "N/A" for none.
    void ShowDataPortStatus(std::optional<std::uint16_t> status);

private:
    std::unique_ptr<Ui::LidarLinkContent> m_ui;
};
