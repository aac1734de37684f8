#pragma once
// Arrays of doubles whose lengths a group carries in count fields ahead of them. The record is
// built with every array at its capacity; before a received frame is read, each array takes the
// length its count says, but never more than its capacity and never more than the frame holds,
// and the record is laid out again so that the items behind the arrays are read where they are.

#include "protocol/composite.h"
#include "protocol/group_base.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

using CDouble_array = CItem_array<TScalar<double>>;

class CCounted_arrays {
public:
    // `count` gives the length of `arrays`, which follow each other on the wire. Runs are added
    // in wire order.
    void add_run(const TScalar<std::uint16_t> &count, std::initializer_list<CDouble_array *> arrays);

    // Lays `record` out for the frame it holds now: run by run, in wire order, the arrays take
    // the length the count field says, cut to their capacity and to the room the frame leaves for
    // them ahead of the fixed items behind them. A count the frame does not hold counts 0.
    void lay_out_received(CGroup_record &record) const;

    // Lays `record` out for sending with `counts` elements (one per run, each cut to the
    // capacity) and frames it again: footer behind the arrays, byte count to match. The count
    // fields are left as they are: the sender writes what the frame is to say.
    void lay_out_for_sending(CGroup_record &record, std::initializer_list<std::size_t> counts) const;

private:
    struct SRun {
        const TScalar<std::uint16_t> *count;
        std::vector<CDouble_array *> arrays;
    };
    void set_run_count(const SRun &run, std::size_t count) const;

    std::vector<SRun> m_runs;
};
