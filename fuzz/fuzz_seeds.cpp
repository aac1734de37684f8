// Writes the seed corpus of the fuzz targets into the folder given: valid groups and messages,
// alone and as streams, so that the fuzzers start from frames that pass the check.

#include "frame_bytes.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using frame_bytes::Bytes;

void write(const std::string &folder, const std::string &name, const Bytes &bytes, bool with_seed)
{
    std::ofstream out(folder + "/" + name, std::ios::binary);
    if (with_seed) {
        out.put(static_cast<char>(name.size())); // the reassembly target's chunking seed
    }
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER reassembly|frame_check\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool with_seed = std::string(argv[2]) == "reassembly";

    Bytes position;
    frame_bytes::put_f64(position, 45.5);
    frame_bytes::put_f64(position, -75.25);
    frame_bytes::put_f64(position, 120.0);
    frame_bytes::put_f32(position, 55.0f);
    frame_bytes::put_u8(position, 3);
    frame_bytes::append(position, frame_bytes::filler(102 - position.size(), 3)); // full length
    const Bytes group1 = frame_bytes::group(1, position);

    Bytes pulse;
    frame_bytes::put_u32(pulse, 12345);
    const Bytes group5 = frame_bytes::group(5, pulse);

    Bytes list;
    frame_bytes::put_u16(list, 3);
    frame_bytes::put_u16(list, 1);
    frame_bytes::put_u16(list, 2);
    frame_bytes::put_u16(list, 101);
    frame_bytes::put_u16(list, 0);
    const Bytes message2 = frame_bytes::message(2, 7, list);
    const Bytes message0 = frame_bytes::message(0, 8, frame_bytes::filler(34, 5));

    write(folder, "group1", group1, with_seed);
    write(folder, "message2", message2, with_seed);
    write(folder, "message0", message0, with_seed);

    Bytes stream = group1;
    frame_bytes::put_text(stream, "$G");
    frame_bytes::append(stream, group5);
    frame_bytes::append(stream, message2);
    frame_bytes::append(stream, message0);
    frame_bytes::append(stream, frame_bytes::group(9, frame_bytes::filler(600, 1)));
    write(folder, "stream", stream, with_seed);
    return 0;
}
