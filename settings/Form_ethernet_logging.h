#pragma once
// The Ethernet logging dialog: both logging ports offer the same groups, and a button checks what
// post-processing needs. On the computer model whose primary port is a Hotlink interface, the
// dialog says so and logs only the secondary port to a file.

#include "settings/Form_common_ethernet_logging.h"

class TFormEthernetLogging : public TFormCommonEthernetLogging {
    Q_OBJECT
public:
    explicit TFormEthernetLogging(QWidget *parent = nullptr);

    // 50 Hz and exactly the groups post-processing needs.
    void ButtonKoruProcClick(EPort port) override;

protected:
    void showEvent(QShowEvent *event) override;
};
