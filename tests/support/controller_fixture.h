#pragma once
// The main window against a fake computer on loopback: its display port sends from 127.0.0.2,
// its control port listens there too. Frames the computer sends and helpers to connect.

#include "views/Form_tarvo.h"
#include "net/socket_display.h"
#include "platform/settings_store.h"

#include "frame_bytes.h"
#include "loopback_peers.h"
#include "qstring_printer.h"
#include "recording_feedback.h"
#include "test_windows.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <memory>

namespace controller_test {

using frame_bytes::Bytes;

inline Bytes status_group(std::uint32_t status_a, std::uint32_t status_b = 0,
                          std::uint32_t status_c = 0)
{
    Bytes body;
    frame_bytes::put_u32(body, status_a);
    frame_bytes::put_u32(body, status_b);
    frame_bytes::put_u32(body, status_c);
    frame_bytes::put_u32(body, 0); // FDIR level 1
    frame_bytes::put_u16(body, 0); // IMU failures
    for (int level = 2; level <= 5; ++level) {
        frame_bytes::put_u16(body, 0);
    }
    return frame_bytes::group(101, body);
}

// Message 0 answering message `answered` whose transaction number was `transaction`.
inline Bytes acknowledgement(std::uint16_t answered, std::uint16_t code,
                             std::uint16_t transaction = 1)
{
    Bytes body;
    frame_bytes::put_u16(body, answered);
    frame_bytes::put_u16(body, code);
    frame_bytes::put_u8(body, 0);
    body.resize(body.size() + 32, std::byte{0});
    return frame_bytes::message(0, transaction, body);
}

// Message 1: the computer tells the views that its settings echoes went out.
inline Bytes views_notice()
{
    return frame_bytes::message(1, 0, {std::byte{0}, std::byte{0}});
}

inline std::uint16_t u16_at(const Bytes &bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(std::to_integer<int>(bytes[at]) |
                                      std::to_integer<int>(bytes[at + 1]) << 8);
}

// Splits what a computer received into frames, and answers each as the computer would: with
// Message 0 carrying the frame's number and transaction number and a response code.
class CAnswering_computer {
public:
    explicit CAnswering_computer(CTcp_peer &peer) : m_peer(peer) {}

    // Reads what has arrived and answers every whole frame; false once the client closed.
    bool read()
    {
        const bool open = m_peer.read_available();
        const Bytes &stream = m_peer.received;
        while (stream.size() - m_parsed >= 8) {
            const std::size_t length = u16_at(stream, m_parsed + 6) + std::size_t{8};
            if (stream.size() - m_parsed < length) {
                break;
            }
            const Bytes frame(stream.begin() + static_cast<std::ptrdiff_t>(m_parsed),
                              stream.begin() + static_cast<std::ptrdiff_t>(m_parsed + length));
            m_parsed += length;
            frames.push_back(frame);
            const std::uint16_t number = u16_at(frame, 4);
            if (answering) {
                const auto code = codes.find(number);
                m_peer.write(acknowledgement(number, code != codes.end() ? code->second : 1,
                                             u16_at(frame, 8)));
            }
        }
        return open;
    }

    // Waits until `count` frames have arrived in all.
    bool wait_for_frames(std::size_t count)
    {
        return WaitFor([&] {
            read();
            return frames.size() >= count;
        });
    }

    // The frames of those numbers that have arrived, in the order they came.
    std::vector<Bytes> frames_numbered(std::initializer_list<std::uint16_t> numbers)
    {
        read();
        std::vector<Bytes> found;
        for (const Bytes &frame : frames) {
            if (std::find(numbers.begin(), numbers.end(), u16_at(frame, 4)) != numbers.end()) {
                found.push_back(frame);
            }
        }
        return found;
    }

    std::vector<Bytes> frames;
    std::map<std::uint16_t, std::uint16_t> codes; // response code by message number; else 1
    bool answering = true;

private:
    CTcp_peer &m_peer;
    std::size_t m_parsed = 0;
};

class CController_fixture : public ::testing::Test {
protected:
    CController_fixture()
    {
        UseSettingsFolder(folder.path());
        start.display_address = loopback(1);
        start.display_port = 0;
        start.control_port = computer.port();
        make_form();
    }

    // A new main window from `start`, as the program starts it.
    void make_form()
    {
        form.reset();
        form = std::make_unique<TFormTarvo>(start);
        form->show();
        port = form->display_receiver().local_port();
        selection = form->findChild<QComboBox *>("KoruSelection");
    }

    // Sends a frame from a computer and waits until it has been taken in: counted, or, from a
    // computer other than the selected one, offered in the list.
    void hear(const CUdp_sender &from, const Bytes &frame)
    {
        const std::uint32_t packets = form->display_receiver().counters().packets;
        const int listed = selection->count();
        from.send_to(port, frame);
        ASSERT_TRUE(WaitFor([&] {
            QCoreApplication::processEvents();
            return form->display_receiver().counters().packets > packets ||
                   selection->count() > listed;
        }));
        QCoreApplication::processEvents();
    }
    void hear(const Bytes &frame) { hear(computer_display, frame); }

    void connect_as_controller(std::uint32_t status_c = 0)
    {
        hear(computer_display, status_group(0, 0, status_c));
        form->ToolButtonConnectClick();
        ASSERT_TRUE(
            WaitFor([&] { return computer.accept() && form->panel_text(4) == "Connected"; }));
        EXPECT_TRUE(form->is_controller());
    }

    QTemporaryDir folder;
    CRecording_feedback feedback;
    CProgram program;
    CTcp_peer computer{2};
    CUdp_sender computer_display{2};
    SStart_options start;
    std::unique_ptr<TFormTarvo> form;
    std::uint16_t port = 0;
    QComboBox *selection = nullptr;
};

} // namespace controller_test
