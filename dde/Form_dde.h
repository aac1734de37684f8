#pragma once
// The DDE server: publishes the navigation solution and status to the tracker and takes the
// control values it pokes back, over the channel of dde_service.h. The window shows the two
// texts: what was sent to the tracker and what came from it.
//
// A conversation the tracker opens connects the program as controller three seconds later; its
// end ends the program. While it is open the main window refuses to close.

#include "dde/control_poke.h"
#include "dde/dde_service.h"
#include "dde/published_values.h"
#include "shell/Form_koru_view.h"
#include "shell/program.h"
#include "views/display_pace.h"

#include <chrono>
#include <functional>

class QPlainTextEdit;

class TFormDde : public TFormKoruView, public IDde_server, public IDde_conversation {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds connect_delay{3000};
    // A control text longer than this is refused: the tracker's is a few hundred characters.
    static constexpr qsizetype largest_poke = 65536;
    // What the main window's caption gets while the server exists.
    static constexpr char caption_suffix[] = " with DDE";

    // Runs `action` once `delay` has passed. The program waits with a timer; tests step a clock
    // of their own.
    using CScheduler =
        std::function<void(std::chrono::milliseconds delay, std::function<void()> action)>;

    explicit TFormDde(QWidget *parent = nullptr);
    ~TFormDde() override;

    // Publishes the channel on `bus`; whether it is published.
    bool start(const QDBusConnection &bus);
    void set_scheduler(CScheduler scheduler) { m_scheduler = std::move(scheduler); }
    // What ends the program when the conversation ends; the application's event loop by default.
    void set_program_end(std::function<void()> end) { m_program_end = std::move(end); }

    bool conversation_active() const override { return m_conversation_active; }
    void open_conversation() override;
    void close_conversation() override;
    QString published_text() const override;
    QString take_poke(const QString &text) override;

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;
    void RefreshDisplay() override;

private:
    void publish();
    void text_changed();

    QPlainTextEdit *m_sent;
    QPlainTextEdit *m_received;
    SEchoed_states m_states;
    CPublished_values m_values;
    CControl_poke m_poke;
    CDde_service m_service;
    CDisplay_pace m_pace;
    CScheduler m_scheduler;
    std::function<void()> m_program_end;
    bool m_conversation_active = false;
    // Counts the conversations, so that a wait for the controller outlives none but its own.
    unsigned m_conversation = 0;
    bool m_connect_pending = false;
};
