#include "tools/korusim/group_schedule.h"

#include <cmath>

CGroup_schedule::CGroup_schedule(std::span<const SGroup_default> groups,
                                 const std::map<std::uint16_t, double> &rates)
{
    for (const SGroup_default &group : groups) {
        const auto rate = rates.find(group.number);
        m_entries.push_back({rate == rates.end() ? group.rate : rate->second});
    }
}

std::optional<CGroup_schedule::SDue> CGroup_schedule::take_due(double t)
{
    std::optional<SDue> earliest;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const double due = m_entries[i].due();
        if (due <= t && (!earliest || due < earliest->time)) {
            earliest = SDue{i, due};
        }
    }
    if (earliest) {
        ++m_entries[earliest->index].sent;
    }
    return earliest;
}

double CGroup_schedule::next_time() const
{
    double next = std::numeric_limits<double>::infinity();
    for (const SEntry &entry : m_entries) {
        next = std::min(next, entry.due());
    }
    return next;
}

void CGroup_schedule::skip_to(double t)
{
    for (SEntry &entry : m_entries) {
        if (entry.rate > 0 && entry.due() < t) {
            entry.sent = static_cast<std::uint64_t>(std::ceil(t * entry.rate));
        }
    }
}
