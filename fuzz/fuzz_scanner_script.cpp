// Reads any text as a data logger script. Every command a script sends is one of the four control
// bytes, a text ending in CR where the line held "^M", or the text before the line's ";" as it
// stands; none is empty and none is longer than a script line may be; overlong lines are counted
// in order.

#include "lidar/scanner_script.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    const SScanner_script script = ReadScannerScript(in);
    for (const std::string &command : script.commands) {
        require(!command.empty());
        require(command.size() <= longest_script_line);
        require(command.find(';') == std::string::npos);
        require(command.find('\n') == std::string::npos);
    }
    for (std::size_t i = 1; i < script.long_lines.size(); ++i) {
        require(script.long_lines[i - 1] < script.long_lines[i]);
    }
    return 0;
}
