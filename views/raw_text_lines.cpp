#include "views/raw_text_lines.h"

#include <array>

namespace {

constexpr std::byte carriage_return{0x0D};
constexpr std::byte line_feed{0x0A};
constexpr std::byte first_printable{0x20};

} // namespace

void CRaw_text_lines::split(std::span<const std::byte> bytes,
                            const std::function<void(std::string_view)> &line)
{
    m_line.clear();
    bool after_carriage_return = false;
    for (const std::byte byte : bytes) {
        if (byte == line_feed && after_carriage_return) {
            after_carriage_return = false;
            continue;
        }
        after_carriage_return = byte == carriage_return;
        if (byte == carriage_return || byte == line_feed) {
            finish(line);
        } else if (byte >= first_printable) {
            append(std::string_view(reinterpret_cast<const char *>(&byte), 1), line);
        } else {
            static constexpr char digits[] = "0123456789ABCDEF";
            const auto value = std::to_integer<unsigned>(byte);
            const std::array<char, 3> escape{'\\', digits[value >> 4], digits[value & 0x0F]};
            append(std::string_view(escape.data(), escape.size()), line);
        }
    }
    if (!m_line.empty()) {
        finish(line);
    }
}

// An escape is never cut: when it does not fit, the line ends before it.
void CRaw_text_lines::append(std::string_view text,
                             const std::function<void(std::string_view)> &line)
{
    if (m_line.size() + text.size() > line_length) {
        finish(line);
    }
    m_line.append(text);
    if (m_line.size() == line_length) {
        finish(line);
    }
}

void CRaw_text_lines::finish(const std::function<void(std::string_view)> &line)
{
    line(m_line);
    m_line.clear();
}
