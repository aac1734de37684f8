#include "views/Form_aux_gps_data.h"

#include "display/formats.h"
#include "resources/string_ids.h"
#include "resources/texts.h"
#include "shell/list_file.h"
#include "shell/program.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

TFormAuxGpsData::TFormAuxGpsData(QWidget *parent)
    : TFormKoruView("FormAuxGpsData", parent),
      m_log(new QListWidget(BorderBevel())),
      m_start_stop(new QPushButton(BorderBevel())),
      m_pace(*this, [this] { fill(); })
{
    Get(Program().groups, m_shared);
    m_log->setObjectName("ListBoxLog");
    m_log->setUniformItemSizes(true);
    QFont fixed = m_log->font();
    fixed.setFamily(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    m_log->setFont(fixed);
    content()->addWidget(m_log);

    auto *save = new QPushButton(tr("&Save Log"), BorderBevel());
    save->setObjectName("ButtonSaveLog");
    connect(save, &QPushButton::clicked, this, [this] { Save_message_log(); });
    m_start_stop->setObjectName("ButtonStartStop");
    connect(m_start_stop, &QPushButton::clicked, this, [this] { ButtonStartStopClick(); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(m_start_stop);
    buttons->addStretch();
    content()->addLayout(buttons);
    show_capture_state();
    resize(640, 400);
}

bool TFormAuxGpsData::UpdateFromGroup(int)
{
    if (!m_shared->is_current()) {
        return false;
    }
    m_copy.take(*m_shared);
    CGroup110 &message = m_copy.record();
    CGroup_header &header = message.header();
    const std::size_t length = message.body().length();
    const QString time =
        message.has_value(header.time_1())
            ? FormatTimeTag(header.time_1().get(), header.time_types().time_type_1().get(), false)
            : LoadText(string_id::not_available);
    add_line(time + QStringLiteral("  Aux %1: %2 bytes")
                        .arg(message.holds(message.aux_in_use())
                                 ? QString::number(message.aux_in_use().get())
                                 : LoadText(string_id::not_available))
                        .arg(length));
    m_splitter.split({message.body().start(), length}, [this](std::string_view line) {
        add_line(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
    });
    m_pace.request();
    return true;
}

// A line that comes while the capture is stopped is dropped; the first one after it resumes
// follows a line saying that some were skipped. Of the lines waiting for the log, only as many
// as it can hold are kept.
void TFormAuxGpsData::add_line(const QString &line)
{
    if (!m_running) {
        m_dropped = true;
        return;
    }
    if (m_dropped) {
        m_dropped = false;
        add_line(tr("Skipping..."));
    }
    m_pending.push_back(line);
    if (m_pending.size() > static_cast<std::size_t>(largest_line_count)) {
        m_pending.pop_front();
    }
}

// The waiting lines in one batch; the oldest lines go first when the log is full, then the log
// shows its last line.
void TFormAuxGpsData::fill()
{
    if (m_pending.empty()) {
        return;
    }
    QStringList batch;
    batch.reserve(static_cast<qsizetype>(m_pending.size()));
    for (QString &line : m_pending) {
        batch.append(std::move(line));
    }
    m_pending.clear();
    m_log->setUpdatesEnabled(false);
    const int excess = m_log->count() + static_cast<int>(batch.size()) - largest_line_count;
    if (excess > 0) {
        m_log->model()->removeRows(0, std::min(excess, m_log->count()));
    }
    m_log->addItems(batch);
    m_log->setUpdatesEnabled(true);
    m_log->scrollToBottom();
}

void TFormAuxGpsData::RefreshDisplay()
{
    m_pace.fill_now();
}

void TFormAuxGpsData::ResetDisplay(int)
{
    m_pace.cancel();
    m_pending.clear();
    m_log->clear();
    m_copy.clear();
    m_dropped = false;
}

void TFormAuxGpsData::SetDataStale(bool stale)
{
    show_values_stale(stale);
}

void TFormAuxGpsData::ButtonStartStopClick()
{
    m_running = !m_running;
    show_capture_state();
}

void TFormAuxGpsData::show_capture_state()
{
    m_start_stop->setText(m_running ? tr("S&top") : tr("S&tart"));
    setWindowTitle(m_running ? tr("Raw Auxiliary GPS Data")
                             : tr("Raw Auxiliary GPS (Data Capture Stopped)"));
}

bool TFormAuxGpsData::Save_message_log()
{
    RefreshDisplay();
    return SaveListLines(*this, *m_log, tr("Save Raw Auxiliary GPS Data"),
                         tr("The log could not be written to %1: %2."));
}
