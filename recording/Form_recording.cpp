#include "recording/Form_recording.h"

#include "net/socket_control.h"
#include "platform/user_feedback.h"
#include "shell/Form_main.h"
#include "shell/program.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include <cmath>
#include <cstring>

namespace {

constexpr int count_interval_ms = 500;
QString file_filter()
{
    return QObject::tr("Display port recordings (*.tvr);;All files (*)");
}

QLabel *value_label(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TFormRecording::TFormRecording(QWidget *parent)
    : TFormKoruBase("FormRecording", parent),
      m_state(value_label("StateText", this)),
      m_file(value_label("FileText", this)),
      m_bytes(value_label("ByteCount", this)),
      m_datagrams(value_label("DatagramCount", this)),
      m_damage(value_label("DamageText", this)),
      m_speed(new QComboBox(this)),
      m_pause(new QPushButton(tr("&Pause"), this)),
      m_stop(new QPushButton(tr("&Stop"), this)),
      m_count_timer(new QTimer(this)),
      m_replay_timer(new QTimer(this))
{
    setWindowTitle(tr("Recording"));
    m_speed->setObjectName("ReplaySpeed");
    for (const double speed : speeds) {
        m_speed->addItem(speed_text(speed), speed);
    }
    m_pause->setObjectName("PauseButton");
    m_stop->setObjectName("StopButton");
    m_damage->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(tr("State:"), m_state);
    form->addRow(tr("File:"), m_file);
    form->addRow(tr("Bytes:"), m_bytes);
    form->addRow(tr("Datagrams:"), m_datagrams);
    form->addRow(tr("Replay speed:"), m_speed);
    form->addRow(tr("Damage:"), m_damage);
    content()->addLayout(form);
    button_row()->insertWidget(0, m_pause);
    button_row()->insertWidget(1, m_stop);

    m_replay_timer->setSingleShot(true);
    connect(m_replay_timer, &QTimer::timeout, this, &TFormRecording::replay_turn);
    connect(m_count_timer, &QTimer::timeout, this, &TFormRecording::show_counts);
    connect(m_speed, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_schedule.set_speed(m_speed->itemData(index).toDouble(), now()); });
    connect(m_pause, &QPushButton::clicked, this, [this] { SetPaused(!m_schedule.paused()); });
    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (recording()) {
            if (const QString problem = StopRecording(); !problem.isEmpty()) {
                ShowMessageBox({this, QMessageBox::Warning, windowTitle(), problem});
            }
        } else {
            StopReplay();
        }
    });
    show_state(tr("Idle"));
}

TFormRecording::~TFormRecording()
{
    if (recording()) {
        StopRecording();
    }
    if (replaying()) {
        end_replay(tr("Stopped"));
    }
}

void TFormRecording::AskRecord(TFormMain &main)
{
    const QString path = ChooseDataFile(
        {this, true, tr("Record Display Port"), {}, file_filter(), QStringLiteral("tvr")});
    if (path.isEmpty()) {
        return;
    }
    if (const QString problem = Record(main, path); !problem.isEmpty()) {
        ShowMessageBox({this, QMessageBox::Warning, windowTitle(), problem});
        return;
    }
    ShowView(*this);
}

void TFormRecording::AskReplay(TFormMain &main)
{
    const QString path = ChooseDataFile(
        {this, false, tr("Replay Recording"), {}, file_filter(), QStringLiteral("tvr")});
    if (path.isEmpty()) {
        return;
    }
    if (const QString problem = Replay(main, path, m_speed->currentData().toDouble());
        !problem.isEmpty()) {
        ShowMessageBox({this, QMessageBox::Warning, windowTitle(), problem});
        return;
    }
    ShowView(*this);
}

QString TFormRecording::Record(TFormMain &main, const QString &path)
{
    if (replaying()) {
        return tr("A recording is being replayed: stop the replay first.");
    }
    if (recording()) {
        return tr("The display port is being recorded to %1 already.").arg(m_file->text());
    }
    if (const int error = m_writer.open(path.toStdString()); error != 0) {
        m_writer.close();
        return problem_text(tr("Cannot record to %1").arg(path), error);
    }
    m_write_error = 0;
    m_main = &main;
    m_recording_main = true;
    main.display_receiver().set_tap(this);
    if (auto *bar = main.findChild<QStatusBar *>()) {
        m_status_bar_text = new QLabel(bar);
        m_status_bar_text->setObjectName("RecordingStatus");
        bar->addPermanentWidget(m_status_bar_text);
    }
    m_file->setText(QFileInfo(path).absoluteFilePath());
    m_damage->clear();
    show_state(tr("Recording"));
    show_counts();
    m_count_timer->start(count_interval_ms);
    LogLine(tr("Recording the display port to %1").arg(m_file->text()));
    return {};
}

QString TFormRecording::StopRecording()
{
    if (!recording()) {
        return tr("The display port is not being recorded.");
    }
    if (m_main != nullptr) {
        m_main->display_receiver().set_tap(nullptr);
    }
    m_count_timer->stop();
    show_counts();
    delete m_status_bar_text;
    m_status_bar_text = nullptr;
    const int error = m_write_error != 0 ? m_write_error : m_writer.close();
    m_writer.close();
    m_main = nullptr;
    m_recording_main = false;
    if (error != 0) {
        show_state(tr("Recording failed"));
        return problem_text(tr("The recording %1 is incomplete").arg(m_file->text()), error);
    }
    show_state(tr("Recorded"));
    LogLine(tr("Recorded %1 bytes of the display port to %2")
                .arg(m_bytes->text(), m_file->text()));
    return {};
}

// Called for every datagram the display port accepts: written as it came. A write error ends the
// recording once the receiver is done with this datagram.
void TFormRecording::datagram_accepted(std::span<const std::byte> datagram,
                                       std::uint64_t arrival_us)
{
    if (m_write_error != 0) {
        return;
    }
    m_write_error = m_writer.write(arrival_us, datagram);
    if (m_write_error != 0) {
        QTimer::singleShot(0, this, [this] {
            if (const QString problem = StopRecording(); !problem.isEmpty()) {
                ShowMessageBox({this, QMessageBox::Warning, windowTitle(), problem});
            }
        });
    }
}

QString TFormRecording::speed_text(double speed)
{
    return speed == CReplay_schedule::fastest ? tr("As fast as possible")
                                              : tr("%1x").arg(speed);
}

QString TFormRecording::Replay(TFormMain &main, const QString &path, double speed)
{
    if (recording()) {
        return tr("The display port is being recorded: stop the recording first.");
    }
    if (main.connection_state() == TFormMain::EConnection::connected ||
        main.connection_state() == TFormMain::EConnection::connecting) {
        return tr("Tarvo is connected to a computer: disconnect before replaying.");
    }
    if (replaying()) {
        end_replay(tr("Stopped"));
    }
    m_reader.emplace();
    switch (const int error = m_reader->open(path.toStdString())) {
    case 0:
        break;
    case CRecording_reader::not_a_recording:
        m_reader.reset();
        return tr("%1 is not a recording of the display port.").arg(path);
    case CRecording_reader::empty_file:
        m_reader.reset();
        return tr("%1 is empty.").arg(path);
    default:
        m_reader.reset();
        return problem_text(tr("Cannot read %1").arg(path), error);
    }
    m_main = &main;
    m_recording_main = false;
    m_have_next = false;
    m_schedule = CReplay_schedule(speed);
    // A speed the box does not offer (asked for over the bus) joins it, so that the box always
    // shows the speed of the replay.
    const QSignalBlocker quiet(m_speed);
    if (m_speed->findData(speed) < 0) {
        m_speed->addItem(speed_text(speed), speed);
    }
    m_speed->setCurrentIndex(m_speed->findData(speed));
    m_clock.start();
    hold_network(true);
    main.display_receiver().counters().reset();
    m_file->setText(QFileInfo(path).absoluteFilePath());
    m_damage->clear();
    m_title = main.windowTitle();
    follow_title();
    m_title_follower = connect(&main, &QWidget::windowTitleChanged, this, [this] {
        follow_title();
    });
    m_pause->setText(tr("&Pause"));
    show_state(tr("Replaying"));
    m_count_timer->start(count_interval_ms);
    LogLine(tr("Replaying %1").arg(m_file->text()));
    m_replay_timer->start(0);
    return {};
}

void TFormRecording::StopReplay()
{
    if (replaying()) {
        end_replay(tr("Stopped"));
    }
}

void TFormRecording::SetPaused(bool paused)
{
    if (!replaying()) {
        return;
    }
    if (paused) {
        m_schedule.pause(now());
        show_state(tr("Paused"));
        m_pause->setText(tr("&Resume"));
    } else {
        m_schedule.resume(now());
        show_state(tr("Replaying"));
        m_pause->setText(tr("&Pause"));
        m_replay_timer->start(0);
    }
}

// Feeds every datagram that is due, at most a turn's worth, then lets the windows paint.
void TFormRecording::replay_turn()
{
    if (!replaying()) {
        return;
    }
    for (int fed = 0; fed < datagrams_per_turn; ++fed) {
        if (!m_have_next) {
            m_have_next = m_reader->next(m_next);
            if (!m_have_next) {
                end_replay(m_reader->damage_count() == 0 ? tr("Finished")
                                                         : tr("Finished up to the damage"));
                return;
            }
        }
        const double wait = m_schedule.wait_for(m_next.arrival_us, now());
        if (wait > 0) {
            m_replay_timer->start(static_cast<int>(std::ceil(wait * 1000)));
            return;
        }
        m_have_next = false;
        m_main->display_receiver().feed(m_next.bytes, m_next.arrival_us);
    }
    m_replay_timer->start(0);
}

void TFormRecording::end_replay(const QString &outcome)
{
    m_replay_timer->stop();
    m_count_timer->stop();
    show_counts();
    disconnect(m_title_follower);
    if (m_main != nullptr) {
        hold_network(false);
        m_main->setWindowTitle(m_title);
    }
    const QString damage = m_reader ? QString::fromStdString(describe_damage(*m_reader)) : "";
    m_damage->setText(damage.isEmpty() ? tr("none") : damage);
    LogLine(tr("Replay of %1: %2").arg(m_file->text(), outcome.toLower()) +
            (damage.isEmpty() ? QString() : "; " + tr("the recording is damaged: ") + damage));
    m_main = nullptr;
    show_state(outcome);
    emit replay_finished();
}

void TFormRecording::hold_network(bool held)
{
    m_main->display_receiver().set_live(!held);
    m_main->control_client().set_held(held);
}

// The main window keeps its own title; while replaying it is followed by the replay's.
void TFormRecording::follow_title()
{
    const QString marker = tr(" - Replaying %1").arg(QFileInfo(m_file->text()).fileName());
    const QString title = m_main->windowTitle();
    if (!title.endsWith(marker)) {
        m_title = title;
        m_main->setWindowTitle(title + marker);
    }
}

void TFormRecording::show_counts()
{
    if (recording() || !m_reader) {
        m_bytes->setText(QString::number(m_writer.bytes_written()));
        m_datagrams->setText(QString::number(m_writer.datagrams_written()));
    } else {
        m_bytes->setText(QString::number(m_reader->position()));
        m_datagrams->setText(QString::number(m_reader->datagrams_read()));
    }
    if (m_status_bar_text != nullptr) {
        m_status_bar_text->setText(tr("Recording: %1 bytes").arg(m_writer.bytes_written()));
    }
}

void TFormRecording::show_state(const QString &state)
{
    m_state->setText(state);
    m_pause->setEnabled(replaying());
    m_stop->setEnabled(replaying() || recording());
}

double TFormRecording::now() const
{
    return static_cast<double>(m_clock.nsecsElapsed()) * 1e-9;
}

QString TFormRecording::problem_text(const QString &what, int error) const
{
    return what + ": " + QString::fromLocal8Bit(std::strerror(error));
}
