#include "protocol/counted_arrays.h"

#include "protocol/frame.h"

#include <algorithm>
#include <cstring>

void CCounted_arrays::add_run(const TScalar<std::uint16_t> &count,
                              std::initializer_list<CDouble_array *> arrays)
{
    m_runs.push_back({&count, arrays});
}

void CCounted_arrays::set_run_count(const SRun &run, std::size_t count) const
{
    for (CDouble_array *array : run.arrays) {
        array->set_count(count);
    }
}

void CCounted_arrays::lay_out_received(CGroup_record &record) const
{
    // The counts are read before any array moves: a count lies ahead of its arrays, but the
    // frame's bytes do not move with the layout, and every run starts out empty.
    std::vector<std::size_t> wanted;
    for (const SRun &run : m_runs) {
        wanted.push_back(record.holds(*run.count) ? run.count->get() : 0);
    }
    for (const SRun &run : m_runs) {
        set_run_count(run, 0);
    }
    record.relayout();
    const std::size_t body_end = record.frame_length() >= frame::trailer_length
                                     ? record.frame_length() - frame::trailer_length
                                     : 0;
    for (std::size_t index = 0; index < m_runs.size(); ++index) {
        const SRun &run = m_runs[index];
        // The fixed items behind this run, with every later run still empty.
        const auto behind =
            static_cast<std::size_t>(record.footer().start() - run.arrays.back()->end());
        const auto start = static_cast<std::size_t>(run.arrays.front()->start() - record.buffer());
        const std::size_t room = body_end > start + behind ? body_end - start - behind : 0;
        const std::size_t element_bytes = run.arrays.size() * sizeof(double);
        const std::size_t count = std::min({wanted[index], run.arrays.front()->capacity(),
                                            room / element_bytes});
        set_run_count(run, count);
        record.relayout();
    }
}

void CCounted_arrays::lay_out_for_sending(CGroup_record &record,
                                          std::initializer_list<std::size_t> counts) const
{
    auto count = counts.begin();
    for (const SRun &run : m_runs) {
        set_run_count(run, count != counts.end() ? *count++ : 0);
    }
    record.relayout();
    // All elements are doubles: the body keeps its length modulo 4, and with it the footer's pad.
    CGroup_footer &footer = record.footer();
    std::memset(footer.start(), 0, static_cast<std::size_t>(footer.checksum().start() - footer.start()));
    footer.end_marker().set(frame::end_marker);
    record.header().byte_count().set(
        static_cast<std::uint16_t>(record.size() - frame::prefix_length));
}
