#include "shell/program.h"

#include <cstdio>
#include <cstdlib>

namespace {

CProgram *current = nullptr;

} // namespace

CProgram::CProgram()
{
    current = this;
}

CProgram::~CProgram()
{
    if (current == this) {
        current = nullptr;
    }
}

CProgram &Program()
{
    if (current == nullptr) {
        std::fputs("no program context\n", stderr);
        std::abort();
    }
    return *current;
}

void RequestGroup(std::uint16_t group)
{
    if (Program().group_requester != nullptr) {
        Program().group_requester->GroupRequest(group);
    }
}

void LogLine(const QString &text)
{
    if (Program().message_log != nullptr) {
        Program().message_log->add_line(text);
    }
}
