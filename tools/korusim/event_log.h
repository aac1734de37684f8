#pragma once
// One line per notable event, each prefixed with the seconds since the simulator started.

#include "tools/korusim/clock.h"

#include <ostream>
#include <string_view>

class CEvent_log {
public:
    CEvent_log(std::ostream &out, const IClock &clock)
        : m_out(out), m_clock(clock), m_origin(clock.now())
    {}

    void line(std::string_view text);

private:
    std::ostream &m_out;
    const IClock &m_clock;
    double m_origin;
};
