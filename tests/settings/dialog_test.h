#pragma once
// A settings dialog of the window table against a fake computer: echoes heard on the display
// port, what goes on the control port after Ok or Apply, and the boxes shown.

#include "app/window_rows.h"
#include "shell/window_values.h"

#include "controller_fixture.h"

#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

namespace settings_test {

using namespace controller_test;

class CDialog_test : public CController_fixture {
protected:
    // The computer is selected on its first frame, whose echoes the dialogs take from then on.
    CDialog_test() { hear(status_group(0)); }

    // An echo, then Message 1, on which the windows read their echoes again.
    void hear_echo(const Bytes &frame)
    {
        hear(frame);
        hear(views_notice());
    }

    template <class TDialog>
    TDialog &dialog(const char *name)
    {
        return windows.window_of<TDialog>(name);
    }
    template <class TControl = QLineEdit>
    static TControl &control(QWidget &dialog, const char *name)
    {
        auto *found = dialog.findChild<TControl *>(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    // Waits for `count` frames of those numbers, and gives all that came.
    std::vector<Bytes> sent(std::initializer_list<std::uint16_t> numbers, std::size_t count)
    {
        EXPECT_TRUE(WaitFor([&] { return answers.frames_numbered(numbers).size() >= count; }));
        return answers.frames_numbered(numbers);
    }
    // The text of the last box, or "(no box)".
    QString last_box() const
    {
        return feedback.boxes.empty() ? QStringLiteral("(no box)") : feedback.boxes.back().text;
    }

    CWindow_table windows{*form, WindowRows()};
    CAnswering_computer answers{computer};
};

// The body of a sent frame, behind its transaction number, without pad and trailer.
inline Bytes body_of(const Bytes &frame, std::size_t length)
{
    return Bytes(frame.begin() + 10, frame.begin() + 10 + static_cast<std::ptrdiff_t>(length));
}

} // namespace settings_test
