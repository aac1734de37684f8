#include "simulated_computer.h"

#include "harness.h"

struct CSimulated_computer::SState {
    korusim_test::CManual_clock clock;
    std::ostringstream out;
    CEvent_log log{out, clock};
    std::unique_ptr<CKorusim> korusim;
};

CSimulated_computer::CSimulated_computer(std::uint16_t display_port, std::uint16_t control_port,
                                         const std::string &replay_file)
    : m_state(std::make_unique<SState>())
{
    SOptions options = korusim_test::test_options();
    options.display_port = display_port;
    options.control_port = control_port;
    options.replay_file = replay_file;
    m_state->korusim = std::make_unique<CKorusim>(options, m_state->clock, m_state->log);
}

CSimulated_computer::~CSimulated_computer() = default;

int CSimulated_computer::open()
{
    return m_state->korusim->open();
}

void CSimulated_computer::run_once()
{
    m_state->clock.advance(0.01);
    m_state->korusim->run_once(0);
}

std::string CSimulated_computer::log() const
{
    return m_state->out.str();
}
