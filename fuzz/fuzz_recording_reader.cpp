// Reads arbitrary files as recordings of the display port. Every byte after the magic is taken
// once, as part of a good record or as damage; a record read is never longer than a datagram;
// the damage listed lies inside the file and is no more than the list holds; a file cut inside
// damage says where.

#include "recording/recording_format.h"
#include "recording/recording_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// The reader reads files: each input is written to a file of this process's own, removed once
// read.
const std::string &input_path()
{
    static const std::string path = "/tmp/fuzz_recording_reader." + std::to_string(getpid());
    return path;
}

// Writes the input and removes it again when the check is done.
class CInput_file {
public:
    CInput_file(const std::uint8_t *data, std::size_t size)
    {
        std::ofstream out(input_path(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    }
    ~CInput_file() { std::remove(input_path().c_str()); }
    CInput_file(const CInput_file &) = delete;
    CInput_file &operator=(const CInput_file &) = delete;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CInput_file file(data, size);
    CRecording_reader reader;
    const int opened = reader.open(input_path());
    if (opened != 0) {
        require(opened == CRecording_reader::not_a_recording ||
                opened == CRecording_reader::empty_file);
        require((size == 0) == (opened == CRecording_reader::empty_file));
        return 0;
    }
    require(size >= recording::magic.size());
    std::uint64_t record_bytes = 0;
    std::uint64_t datagrams = 0;
    SRecorded_datagram datagram{};
    while (reader.next(datagram)) {
        require(datagram.bytes.size() <= recording::largest_datagram);
        record_bytes += recording::record_header_size + datagram.bytes.size();
        ++datagrams;
        require(reader.position() <= size);
    }
    require(reader.read_error() == 0);
    require(reader.datagrams_read() == datagrams);
    require(reader.position() == size);
    require(recording::magic.size() + record_bytes + reader.damaged_bytes() == size);
    require(reader.damage().size() <= CRecording_reader::listed_damage);
    require(reader.damage().size() <= reader.damage_count());
    for (const SRecording_damage &damage : reader.damage()) {
        require(damage.length > 0 && damage.offset + damage.length <= size);
    }
    if (reader.cut_short()) {
        require(reader.damage_count() > 0 && reader.cut_at() < size);
    }
    return 0;
}
