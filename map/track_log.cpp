#include "map/track_log.h"

#include <cmath>

void CTrack_log::add(const STrack_sample &sample)
{
    if (!std::isfinite(sample.latitude) || !std::isfinite(sample.longitude) ||
        !std::isfinite(sample.altitude)) {
        return;
    }
    // A time going back (a replay after live data) starts a new stretch rather than being lost.
    if (!m_samples.empty() && sample.time >= m_samples.back().time &&
        sample.time - m_samples.back().time < m_spacing) {
        return;
    }
    if (m_samples.size() == capacity) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_samples.size(); i += 2) {
            m_samples[kept++] = m_samples[i];
        }
        m_samples.resize(kept);
        m_spacing *= 2;
    }
    m_samples.push_back(sample);
}

void CTrack_log::clear()
{
    m_samples.clear();
    m_spacing = first_spacing;
}
