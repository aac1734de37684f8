// Reassembly plus frame check of a stream of Group 1 sized frames, beside a plain memcpy of the
// same bytes in the same reads. Reassembly copies each frame twice (read area, then receive
// buffer), so the memcpy rate is the floor's ceiling: the figure to compare with.

#include "protocol/reassembler.h"

#include "frame_bytes.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using frame_bytes::Bytes;

constexpr std::size_t frames_in_stream = 10000;
constexpr std::size_t read_length = 1400; // a typical datagram: ten frames of 140 bytes

const Bytes &group1_stream()
{
    static const Bytes stream = [] {
        Bytes out;
        for (std::size_t i = 0; i < frames_in_stream; ++i) {
            // 102 body bytes after the group header: a 140-byte frame like Group 1.
            frame_bytes::append(
                out, frame_bytes::group(1, frame_bytes::filler(102, static_cast<std::uint8_t>(i))));
        }
        return out;
    }();
    return stream;
}

class CCounting_sink : public IFrame_sink {
public:
    void frame_received(CFrame_queue &, EFrame_status status) override
    {
        good += status == EFrame_status::ok ? 1 : 0;
    }
    std::size_t good = 0;
};

void report(benchmark::State &state, const Bytes &stream)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * frames_in_stream));
}

void BM_memcpy_same_reads(benchmark::State &state)
{
    const Bytes &stream = group1_stream();
    std::vector<std::byte> area(4096);
    for (auto _ : state) {
        for (std::size_t position = 0; position < stream.size(); position += read_length) {
            const std::size_t count = std::min(read_length, stream.size() - position);
            std::memcpy(area.data(), stream.data() + position, count);
            benchmark::ClobberMemory();
        }
    }
    report(state, stream);
}
BENCHMARK(BM_memcpy_same_reads);

void BM_reassemble_and_check(benchmark::State &state)
{
    const Bytes &stream = group1_stream();
    CGroup_buffer groups;
    CMessage_buffer messages;
    CReassembler reassembler(4096);
    reassembler.set_group_queue(&groups);
    reassembler.set_message_queue(&messages);
    CCounting_sink sink;
    for (auto _ : state) {
        for (std::size_t position = 0; position < stream.size(); position += read_length) {
            const std::size_t count = std::min(read_length, stream.size() - position);
            std::memcpy(reassembler.free_area().data(), stream.data() + position, count);
            reassembler.consume(count, sink);
        }
    }
    if (sink.good != state.iterations() * frames_in_stream) {
        state.SkipWithError("frames were lost");
    }
    report(state, stream);
}
BENCHMARK(BM_reassemble_and_check);

} // namespace

BENCHMARK_MAIN();
