#pragma once
// The box that shows a socket error: the error's text under the application title, one box at a
// time per owner. A second error while the box is on screen only beeps.

#include <QPointer>
#include <QWidget>

class CSocket_error_box {
public:
    // Shows the text of `code` (codes below 10000 read as 10000) unless this owner's box is
    // already on screen; returns false when it was, having beeped instead.
    bool show(QWidget *parent, int code);
    bool is_on_screen() const { return m_on_screen; }

    // The string number of a code's text.
    static int text_number(int code);

private:
    bool m_on_screen = false;
};
