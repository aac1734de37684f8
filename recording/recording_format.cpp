#include "recording/recording_format.h"

namespace recording {

namespace {

constexpr std::array<std::uint32_t, 256> make_crc_table()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> crc_table = make_crc_table();

template <class T>
void put(std::byte *out, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out[i] = static_cast<std::byte>(value >> (8 * i));
    }
}

template <class T>
T get(const std::byte *in)
{
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value |= static_cast<T>(static_cast<T>(in[i]) << (8 * i));
    }
    return value;
}

} // namespace

std::uint32_t crc32(std::span<const std::byte> bytes, std::uint32_t crc)
{
    crc = ~crc;
    for (const std::byte b : bytes) {
        crc = crc_table[(crc ^ static_cast<std::uint32_t>(b)) & 0xFFU] ^ (crc >> 8);
    }
    return ~crc;
}

std::uint32_t record_check(std::uint64_t arrival_us, std::span<const std::byte> bytes)
{
    std::array<std::byte, 12> fields{};
    put(fields.data(), arrival_us);
    put(fields.data() + 8, static_cast<std::uint32_t>(bytes.size()));
    return crc32(bytes, crc32(fields));
}

void write_record_header(std::span<std::byte, record_header_size> out, std::uint64_t arrival_us,
                         std::span<const std::byte> bytes)
{
    put(out.data(), sync_word);
    put(out.data() + 4, arrival_us);
    put(out.data() + 12, static_cast<std::uint32_t>(bytes.size()));
    put(out.data() + 16, record_check(arrival_us, bytes));
}

bool read_record_header(std::span<const std::byte, record_header_size> in, SRecord_header &out)
{
    if (get<std::uint32_t>(in.data()) != sync_word) {
        return false;
    }
    out.arrival_us = get<std::uint64_t>(in.data() + 4);
    out.length = get<std::uint32_t>(in.data() + 12);
    out.check = get<std::uint32_t>(in.data() + 16);
    return true;
}

} // namespace recording
