#include "tools/korusim/event_log.h"

#include <cstdio>

void CEvent_log::line(std::string_view text)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%10.3f] ", m_clock.now() - m_origin);
    m_out << stamp << text << '\n';
    m_out.flush();
}
