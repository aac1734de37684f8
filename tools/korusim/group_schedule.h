#pragma once
// When each group is due: group i at rate r goes out at 0, 1/r, 2/r, ... seconds after start,
// computed from a count so that the times do not drift.

#include "tools/korusim/options.h"

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <vector>

class CGroup_schedule {
public:
    struct SDue {
        std::size_t index; // of the group in the table the schedule was made from
        double time;
    };

    // `rates` override the groups' default rates; a rate of 0 never sends the group.
    CGroup_schedule(std::span<const SGroup_default> groups,
                    const std::map<std::uint16_t, double> &rates);

    // The earliest group due at or before `t` (on a tie the one first in the table), taken off
    // the schedule; nothing when none is due.
    std::optional<SDue> take_due(double t);
    // When the next group is due; infinity when none ever is.
    double next_time() const;
    // Forgets every time before `t`, after the loop fell far behind.
    void skip_to(double t);

private:
    struct SEntry {
        double rate;
        std::uint64_t sent = 0;
        double due() const
        {
            return rate > 0 ? static_cast<double>(sent) / rate
                            : std::numeric_limits<double>::infinity();
        }
    };
    std::vector<SEntry> m_entries;
};
