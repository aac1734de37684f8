#pragma once
// The text of a receiver's raw message as lines: printable bytes as they are, every other byte
// but carriage return and line feed as "\" and two hexadecimal digits. A line ends at a carriage
// return, at a line feed (a carriage return followed by a line feed ends one line only), or when
// another character would not fit in its 120 characters. Standard library only.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

class CRaw_text_lines {
public:
    static constexpr std::size_t line_length = 120;

    CRaw_text_lines() { m_line.reserve(line_length); }

    // Hands every line of `bytes` to `line`, in order. Text after the last line end is a line of
    // its own: each message is taken whole, and nothing of it is held back for the next.
    void split(std::span<const std::byte> bytes, const std::function<void(std::string_view)> &line);

private:
    void append(std::string_view text, const std::function<void(std::string_view)> &line);
    void finish(const std::function<void(std::string_view)> &line);

    std::string m_line;
};
