#include "lidar/scanner_script.h"

#include <array>

namespace {

struct SControl_command {
    std::string_view text;
    char byte;
};

constexpr std::array control_commands = {
    SControl_command{"^P", '\x10'}, // programming mode
    SControl_command{"^F", '\x06'}, // laser off
    SControl_command{"^N", '\x0E'}, // laser on
    SControl_command{"^X", '\x18'}, // start scanning
};

constexpr std::string_view carriage_return_mark = "^M";

} // namespace

std::optional<std::string> ScriptCommand(std::string_view line)
{
    const std::size_t semicolon = line.find(';');
    if (semicolon == std::string_view::npos || semicolon == 0) {
        return std::nullopt;
    }
    std::string command(line.substr(0, semicolon));
    command.erase(command.find_last_not_of(" \t") + 1);
    if (command.empty()) {
        return std::nullopt;
    }
    if (command.find(carriage_return_mark) != std::string::npos) {
        for (std::size_t at = command.find(carriage_return_mark); at != std::string::npos;
             at = command.find(carriage_return_mark, at)) {
            command.erase(at, carriage_return_mark.size());
        }
        return command + '\r';
    }
    for (const SControl_command &control : control_commands) {
        if (command == control.text) {
            return std::string(1, control.byte);
        }
    }
    return command;
}

SScanner_script ReadScannerScript(std::istream &in)
{
    SScanner_script script;
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > longest_script_line) {
            script.long_lines.push_back(number);
            continue;
        }
        if (std::optional<std::string> command = ScriptCommand(line)) {
            script.commands.push_back(std::move(*command));
        }
    }
    return script;
}
