#pragma once
// What the two password dialogs share: Ok sends Message 111 and the dialog waits for the
// computer's answer to that very message; accepted closes it with Ok, refused lets the user try
// again. The computer checks the password; the controller never keeps or compares one.

#include "protocol/acknowledgement.h"
#include "protocol/password_message.h"
#include "shell/Form_koru_settings.h"

#include <cstdint>
#include <optional>

class TFormPasswordBase : public TFormKoruSettings {
    Q_OBJECT
public:
    // Seen while the dialog waits, so it must always take the acknowledgements.
    bool AcceptsMessages(int) override { return true; }
    bool UpdateFromMessage(int argument) override;

protected:
    TFormPasswordBase(const QString &name, const QString &caption, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    void ButtonOkClick() override;
    // The computer refused: the entries are cleared for another try.
    virtual void refused() = 0;
    // Sends Message 111 on the control port; nothing is sent unless connected as controller.
    void send_password(CMessage111::EControl control, const QString &password,
                       const QString &new_password);

private:
    // Whether the acknowledgement being handed out now answers the Message 111 sent last.
    bool answers_sent_password();

    CMessage0 *m_message0 = nullptr;
    CMessage111 m_message;
    std::optional<std::uint16_t> m_sent_transaction;
};
