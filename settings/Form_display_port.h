#pragma once
// The display port dialog: which groups the computer broadcasts on the display port (Message 2),
// what the display port receiver has counted, and the requests of the views for the groups
// they show.

#include "settings/dialog_fields.h"
#include "shell/Form_koru_settings.h"

#include <cstdint>
#include <memory>

namespace Ui {
class FormDisplayPortContent;
}

class TFormDisplayPort : public TFormKoruSettings, public IGroup_requester {
    Q_OBJECT
public:
    explicit TFormDisplayPort(QWidget *parent = nullptr);
    ~TFormDisplayPort() override;

    bool UpdateFromMessage(int argument) override;
    // Shows the counters as they are now, then answers as every settings dialog does.
    bool AcceptsMessages(int argument) override;
    // With 0: the counters start again from 0.
    void ResetDisplay(int argument) override;
    void SendSettings(int argument) override;

    // Adds `group` to what the computer broadcasts, from the selection it echoed last: only for
    // the controller, only for a group the list has, once the computer has echoed its selection,
    // and not while the user edits the selection here.
    void GroupRequest(std::uint16_t group) override;
    bool shown() const override { return isVisible(); }

protected:
    bool entries_ready() override { return m_fields.check(); }

private:
    void show_counters();

    std::unique_ptr<Ui::FormDisplayPortContent> m_ui;
    CDialog_fields m_fields;
    bool m_list_loaded = false; // the list holds the echo, or what was sent since
};
