#pragma once
// The raw messages of the auxiliary GNSS receivers (Group 110) as a log: a header line per
// message, then its text. The capture can be stopped, and the log saved as a text file.
//
// The log never holds the GUI up, whatever the rate of the messages: each message's lines are
// taken into a bounded list of pending lines as it comes, and the log takes them in one batch at
// the screen's pace, only while shown.

#include "protocol/group_copy.h"
#include "shell/Form_koru_view.h"
#include "views/display_pace.h"
#include "views/peripheral_records.h"
#include "views/raw_text_lines.h"

#include <deque>

class QListWidget;
class QPushButton;

class TFormAuxGpsData : public TFormKoruView {
    Q_OBJECT
public:
    static constexpr int largest_line_count = 1000;

    explicit TFormAuxGpsData(QWidget *parent = nullptr);

    bool UpdateFromGroup(int argument) override;
    void ResetDisplay(int argument) override;
    void SetDataStale(bool stale) override;
    void RefreshDisplay() override;

    // Stops the capture, or resumes it.
    void ButtonStartStopClick();
    // Asks for a file and writes the log to it, one line per text line; false when it was not
    // written.
    bool Save_message_log();
    bool capture_running() const { return m_running; }
    QListWidget *log() const { return m_log; }

private:
    void add_line(const QString &line);
    void fill();
    void show_capture_state();

    QListWidget *m_log;
    QPushButton *m_start_stop;
    CGroup110 *m_shared = nullptr;
    TGroup_copy<CGroup110> m_copy;
    CRaw_text_lines m_splitter;
    std::deque<QString> m_pending;
    CDisplay_pace m_pace;
    bool m_running = true;
    bool m_dropped = false;
};
