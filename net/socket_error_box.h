#pragma once
// The box that shows a socket error: the error's text under the application title, one box at a
// time per owner. A second error while the box is on screen only beeps.

#include <QPointer>
#include <QWidget>

#include <optional>

class CSocket_error_box {
public:
    // The caption is the application title, followed by string `caption_suffix` when given;
    // codes from 1 to 9999 show string `low_code_text`, code 0 the text of 10000.
    explicit CSocket_error_box(std::optional<int> caption_suffix = std::nullopt,
                               int low_code_text = first_code_text);

    // Shows the text of `code` unless this owner's box is already on screen; returns false when
    // it was, having beeped instead.
    bool show(QWidget *parent, int code);
    bool is_on_screen() const { return m_on_screen; }

    // The string number of a code's text.
    int text_number(int code) const;

private:
    static constexpr int first_code_text = 10000;

    std::optional<int> m_caption_suffix;
    int m_low_code_text;
    bool m_on_screen = false;
};
