#pragma once
// The GNSS receiver dialog: the configuration of the primary (Message 5) and secondary (Message
// 110) receivers on two pages. The computer reports each receiver's type; the type decides which
// of the antenna settings, the augmentation and the differential port's control apply.

#include "settings/field_dialog.h"
#include "shell/Form_koru_settings.h"

#include <array>
#include <memory>

namespace Ui {
class FormGpsInstallationContent;
}

class TFormGpsInstallation : public TFormFields<TFormKoruSettings> {
    Q_OBJECT
public:
    explicit TFormGpsInstallation(QWidget *parent = nullptr);
    ~TFormGpsInstallation() override;

    bool UpdateFromMessage(int argument) override;

    // The controls of one receiver's page that its type shows, hides or disables.
    struct SReceiver_page {
        QWidget *antenna;
        QWidget *augmentation_label;
        QWidget *augmentation;
        QWidget *port_control;
    };

private:
    template <class TMessage>
    void bind_receiver(int page, const char *augmentation);

    std::unique_ptr<Ui::FormGpsInstallationContent> m_ui;
    std::array<SReceiver_page, 2> m_pages{};
};
