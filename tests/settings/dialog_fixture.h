#pragma once
// A settings dialog of the window table against a fake computer: echoes heard on the display
// port, frames received on the control port.

#include "app/window_rows.h"
#include "shell/Form_koru_settings.h"
#include "shell/window_table.h"
#include "shell/window_values.h"

#include "controller_fixture.h"

#include <initializer_list>

namespace dialog_test {

using namespace controller_test;

class CDialog_fixture : public CController_fixture {
protected:
    // The computer is selected on its first frame, whose echoes the dialogs take from then on.
    CDialog_fixture() { hear(status_group(0)); }

    // The echoes, then the Message 1 that tells the windows to read them.
    void hear_echoes(std::initializer_list<Bytes> echoes)
    {
        for (const Bytes &echo : echoes) {
            hear(echo);
        }
        hear(views_notice());
    }

    // Connects as the controller and shows `dialog` for editing.
    void open(TFormKoruSettings &dialog)
    {
        connect_as_controller();
        dialog.show();
    }

    // Waits until `count` frames of those numbers arrived, and returns all that did.
    std::vector<Bytes> received(std::initializer_list<std::uint16_t> numbers, std::size_t count)
    {
        EXPECT_TRUE(WaitFor([&] { return answers.frames_numbered(numbers).size() >= count; }))
            << "waiting for " << count << " frames";
        return answers.frames_numbered(numbers);
    }

    // The text of the last box shown, or "(no box)".
    QString last_box() const
    {
        return feedback.boxes.empty() ? QStringLiteral("(no box)") : feedback.boxes.back().text;
    }

    CWindow_table windows{*form, WindowRows()};
    CAnswering_computer answers{computer};
};

// The transaction number of a frame sent.
inline std::uint16_t transaction_of(const Bytes &frame)
{
    return u16_at(frame, 8);
}

} // namespace dialog_test
