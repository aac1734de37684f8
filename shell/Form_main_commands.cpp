// The main window's commands to the computer, its settings files on the PC and its own dialogs.

#include "shell/Form_main.h"

#include "net/socket_control.h"
#include "platform/user_feedback.h"
#include "resources/string_ids.h"
#include "shell/settings_file.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>

#include <sstream>

namespace {

// Confirmations of the commands that change the computer's state at once.
constexpr int reconfigure_gnss_question = 12022;
constexpr int reset_gnss_question = 12017;
constexpr int reset_twan_question = 12018;
constexpr int reset_koru_question = 12019;
constexpr int shut_down_koru_question = 12020;

int question_of(CMsg14_control::ECommand command)
{
    switch (command) {
    case CMsg14_control::reset_twan:
        return reset_twan_question;
    case CMsg14_control::reset_computer:
        return reset_koru_question;
    default:
        return shut_down_koru_question;
    }
}

} // namespace

bool TFormMain::confirm(int question)
{
    return show_box(QMessageBox::Question, m_base_caption, LoadText(question),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool TFormMain::ask_password()
{
    IWindow_directory *windows = Program().window_directory;
    TFormKoruBase *password = windows != nullptr ? windows->window("FormPassword") : nullptr;
    return password != nullptr && RunDialog(*password) == QDialog::Accepted;
}

bool TFormMain::EnsureLoggedIn()
{
    return !m_user_not_logged_in || ask_password();
}

// --- commands ----------------------------------------------------------------------------

void TFormMain::TwanCalibrationClick(CMessage109::ECommand command)
{
    if (!is_controller() || !EnsureLoggedIn()) {
        return;
    }
    CMessage109 calibration;
    calibration.twan_control().set(command);
    send_message(calibration);
}

void TFormMain::SaveSettings1Click()
{
    if (send_save() > 0 && Program().save_progress != nullptr) {
        Program().save_progress->show_after_save();
    }
}

void TFormMain::RestoreSettingsClick(bool user_settings)
{
    if (!is_controller() || !EnsureLoggedIn()) {
        return;
    }
    CMessage9 restore;
    restore.control().load_parameters().set(user_settings);
    send_message(restore);
}

void TFormMain::GnssControlClick(CMessage10::ECommand command)
{
    if (!is_controller() ||
        !confirm(command == CMessage10::reset ? reset_gnss_question : reconfigure_gnss_question)) {
        return;
    }
    CMessage10 control;
    control.control_command().set(command);
    send_message(control);
}

// The computer goes away for a while after these: the connection waits for it.
void TFormMain::KoruControlClick(CMsg14_control::ECommand command)
{
    if (!is_controller() || !confirm(question_of(command))) {
        return;
    }
    if (send_control(command) > 0) {
        set_connection(EConnection::waiting);
    }
}

// --- settings files ----------------------------------------------------------------------

void TFormMain::SaveKoruConfig1Click()
{
    SFile_choice choice;
    choice.parent = this;
    choice.save = true;
    choice.caption = tr("Store KORU Settings on PC");
    choice.filter = tr("KORU Setup files (*.nvm);;All files (*)");
    choice.default_suffix = "nvm";
    const QString path = ChooseDataFile(choice);
    if (path.isEmpty()) {
        return;
    }
    std::ostringstream frames;
    const SStore_count count = Program().messages.write_all(frames);
    const std::string bytes = frames.str();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        show_box(QMessageBox::Warning, caption(ECaption::error),
                 tr("The settings could not be written to %1: %2.").arg(path, file.errorString()));
        return;
    }
    tell(tr("%1 settings stored in %2.").arg(count.written).arg(path));
    if (count.skipped > 0) {
        show_box(QMessageBox::Warning, caption(ECaption::warning),
                 tr("%1 settings stored. %2 damaged copies were left out.")
                     .arg(count.written)
                     .arg(count.skipped));
    }
}

// Every good frame of the file goes to the computer with a transaction number of its own; a
// damaged frame is never sent, however it is damaged.
void TFormMain::LoadKoruConfig1Click()
{
    if (!is_controller()) {
        return;
    }
    SFile_choice choice;
    choice.parent = this;
    choice.caption = tr("Load KORU Settings from PC");
    choice.filter = tr("KORU Setup files (*.nvm *.NVM);;All files (*)");
    choice.default_suffix = "nvm";
    const QString path = ChooseDataFile(choice);
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        show_box(QMessageBox::Warning, caption(ECaption::error),
                 tr("The settings file %1 could not be opened: %2.").arg(path, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (!EnsureLoggedIn()) {
        return;
    }
    std::istringstream in(bytes.toStdString());
    CSettings_file_loader loader;
    // The PC card records as the last Group 101 said; loading a file keeps it so.
    const bool logging = (m_previous_status_a &
                          status_mask(CGen_status_a::bits::log_port_logging_enabled)) != 0;
    const SLoad_result result = loader.load(
        in,
        [this](std::span<std::byte> frame) {
            return is_controller() ? m_control->send_frame(frame) : 0L;
        },
        logging);
    report_load(result, path);
}

namespace {

// "mode (1), general data (2)": what the file held that is never sent, and how many of each.
QString kept_back_text(const SLoad_result &result)
{
    static const char *const names[kept_back_kinds] = {
        QT_TRANSLATE_NOOP("TFormMain", "general data"), QT_TRANSLATE_NOOP("TFormMain", "mode"),
        QT_TRANSLATE_NOOP("TFormMain", "acknowledgement"), QT_TRANSLATE_NOOP("TFormMain", "command")};
    QStringList parts;
    for (std::size_t kind = 0; kind < kept_back_kinds; ++kind) {
        if (result.kept_back[kind] > 0) {
            parts.append(QStringLiteral("%1 (%2)")
                             .arg(QCoreApplication::translate("TFormMain", names[kind]))
                             .arg(result.kept_back[kind]));
        }
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

void TFormMain::report_load(const SLoad_result &result, const QString &path)
{
    QString text;
    if (result.send_failed) {
        text = tr("Transmit failure, requested %1 bytes, sent %2 bytes")
                   .arg(result.requested)
                   .arg(std::max(result.accepted, 0L)) +
               "\n";
    }
    if (result.sent == 0 && result.excluded == 0 && !result.send_failed) {
        text += tr("%1 holds no settings frames: nothing was sent.").arg(path);
    } else {
        text += tr("Settings sent to KORU: %1.").arg(result.sent);
    }
    if (result.excluded > 0) {
        text += "\n" + tr("Left out on purpose: %1.").arg(kept_back_text(result));
    }
    if (result.damaged > 0) {
        text += "\n" + tr("Damaged settings skipped: %1.").arg(result.damaged);
    }
    tell(text.split('\n').join(' '));
    const bool trouble = result.send_failed || result.damaged > 0 || result.sent == 0;
    show_box(trouble ? QMessageBox::Warning : QMessageBox::Information,
             caption(trouble ? ECaption::warning : ECaption::message), text);
}

// --- dialogs -----------------------------------------------------------------------------

void TFormMain::OpenDialog(TFormKoruBase &dialog)
{
    send_to_back();
    RunDialog(dialog);
}
