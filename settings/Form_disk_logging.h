#pragma once
// The PC data logger: records one of the computer's TCP logging ports to a file on the PC,
// byte for byte, and shows while it logs how long, how much and how much room is left.
//
// Nothing is lost on the way: every readiness notice reads until the connection is empty (within
// a bound, so that a flood never holds the GUI), every write is finished, and the kernel is asked
// for a large receive buffer. A full disk stops logging with the count of bytes the file holds.
// Boxes are posted, never opened while reading.

#include "net/a_socket.h"
#include "net/socket_error_box.h"
#include "shell/Form_koru_base.h"

#include <QElapsedTimer>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

class ILog_sink;
class QPushButton;
class QTimer;

namespace Ui {
class FormDiskLoggingContent;
}

class TFormDiskLogging : public TFormKoruBase {
    Q_OBJECT
public:
    // Asked of the kernel for the connection; it may grant less.
    static constexpr int receive_buffer_request = 8 * 1024 * 1024;
    // Read per readiness notice at most; the next notice comes while more is waiting.
    static constexpr std::size_t bytes_per_notice = 512 * 1024;

    TFormDiskLogging(const QString &name, const QString &caption, QWidget *parent = nullptr);
    ~TFormDiskLogging() override;

    // The owner is posted `message` whenever logging stops.
    void set_owner_notice(QObject *owner, int message);
    void set_port(std::uint16_t port) { m_port = port; }
    std::uint16_t port() const { return m_port; }

    // Opens `file` (behind what it holds when `append`, else emptied) and connects to the port
    // of `address` (host order); the window shows once connected. 0, or the errno of the file
    // that could not be opened: then nothing connects.
    int start(const QString &file, bool append, std::uint32_t address);
    // A file is open.
    bool is_logging() const { return m_sink != nullptr; }
    // Ends the connection, closes the file and tells the owner; the window hides.
    void stop();

    std::uint64_t bytes_logged() const { return m_bytes_logged; }
    // Shows elapsed time, bytes logged and free space as they are now.
    void show_progress();
    void RefreshDisplay() override { show_progress(); }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    // The file the bytes go to; null with `error` set when it cannot be opened.
    virtual std::unique_ptr<ILog_sink> open_sink(const QString &file, bool append, int &error);

private:
    void connected(int error);
    void receive();
    // Writes what was received; false when the file took less and logging stopped.
    bool record(std::size_t count);
    void socket_error(int code);
    // Shows a box once the current event is done.
    void post_box(const QString &text, bool error);

    std::unique_ptr<Ui::FormDiskLoggingContent> m_ui;
    QPushButton *m_stop_button;
    QPushButton *m_minimize_button;
    QTimer *m_timer;
    CA_socket m_socket;
    CSocket_error_box m_error_box;
    std::vector<std::byte> m_buffer;
    std::unique_ptr<ILog_sink> m_sink;
    QString m_file;
    std::uint16_t m_port = 0;
    QPointer<QObject> m_owner;
    int m_owner_message = 0;
    QElapsedTimer m_elapsed;
    std::uint64_t m_bytes_logged = 0;
};
