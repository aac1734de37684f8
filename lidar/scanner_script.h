#pragma once
// Scripts for the scanner's data logger: text files whose lines hold a command before a ";" and
// a comment after it. Standard library only.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The longest line a script may have, its line end aside.
inline constexpr std::size_t longest_script_line = 500;

// The bytes a script line sends, or nothing for a line that holds no command. A command is the
// text before the line's first ";" when that stands after the first character, blanks at its end
// aside. "^M" in a command is removed and the command ends with CR; the commands "^P", "^F", "^N"
// and "^X" are the single control bytes 16, 6, 14 and 24; any other is sent as it is.
std::optional<std::string> ScriptCommand(std::string_view line);

struct SScanner_script {
    std::vector<std::string> commands;
    // Numbers (from 1) of the lines longer than longest_script_line, which send nothing.
    std::vector<std::size_t> long_lines;
};

// The commands of a whole script, in order. A line ends at LF, a CR before it aside.
SScanner_script ReadScannerScript(std::istream &in);
