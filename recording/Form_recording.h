#pragma once
// The recording window: records what the display port accepts to a file, or replays such a file
// through the same receiver and windows at 1x, 4x, 16x or as fast as the windows keep up. While
// replaying, the program hears nothing from the network, neither connects nor sends, and its
// title says it is replaying. Shown by "File" > "Record Display Port..." and "Replay
// Recording...", driven from the bus too.

#include "net/socket_display.h"
#include "recording/recording_reader.h"
#include "recording/recording_writer.h"
#include "recording/replay_schedule.h"
#include "shell/Form_koru_base.h"
#include "shell/Form_main.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

class TFormRecording : public TFormKoruBase, private IDatagram_tap {
    Q_OBJECT
public:
    // The speeds offered, in the order of the "ReplaySpeed" choice; 0 is as fast as possible.
    static constexpr double speeds[] = {1, 4, 16, CReplay_schedule::fastest};
    // Datagrams fed in one go at full speed before the windows get their turn.
    static constexpr int datagrams_per_turn = 64;

    TFormRecording(QWidget *parent = nullptr);
    ~TFormRecording() override;

    // The menu entries: ask for a file, then start and show the window.
    void AskRecord(TFormMain &main);
    void AskReplay(TFormMain &main);

    // Each returns what went wrong, empty when it started (or stopped).
    QString Record(TFormMain &main, const QString &path);
    QString StopRecording();
    QString Replay(TFormMain &main, const QString &path, double speed);
    void StopReplay();
    void SetPaused(bool paused);

    bool recording() const { return m_writer.is_open(); }
    bool replaying() const { return m_main != nullptr && !m_recording_main; }
    std::uint64_t bytes_recorded() const { return m_writer.bytes_written(); }
    std::uint64_t datagrams_replayed() const { return m_reader ? m_reader->datagrams_read() : 0; }
    // The speed the replay runs at (or the last one ran at).
    double replay_speed() const { return m_schedule.speed(); }

signals:
    // A replay reached the end of its file (or was stopped).
    void replay_finished();

private:
    void datagram_accepted(std::span<const std::byte> datagram,
                           std::uint64_t arrival_us) override;
    void replay_turn();
    void end_replay(const QString &outcome);
    void hold_network(bool held);
    void follow_title();
    void show_counts();
    void show_state(const QString &state);
    double now() const;
    // "4x", or "As fast as possible".
    static QString speed_text(double speed);
    QString problem_text(const QString &what, int error) const;

    QLabel *m_state;
    QLabel *m_file;
    QLabel *m_bytes;
    QLabel *m_datagrams;
    QLabel *m_damage;
    QComboBox *m_speed;
    QPushButton *m_pause;
    QPushButton *m_stop;
    QLabel *m_status_bar_text = nullptr;
    QTimer *m_count_timer;
    QTimer *m_replay_timer;

    // The main window recorded from or replayed into; null while idle.
    QPointer<TFormMain> m_main;
    bool m_recording_main = false;
    QString m_title; // the main window's own title while a replay marks it
    CRecording_writer m_writer;
    int m_write_error = 0;
    std::optional<CRecording_reader> m_reader;
    QMetaObject::Connection m_title_follower;
    SRecorded_datagram m_next{};
    bool m_have_next = false;
    CReplay_schedule m_schedule;
    QElapsedTimer m_clock;
};
