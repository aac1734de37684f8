#pragma once
// The program's user texts, each looked up by its number. Standard library only, so that every
// layer (network, forms, the simulator) reads the same texts from the same place.

#include <optional>
#include <string_view>

// The text of string number `id`, or nothing when the table has no such number.
std::optional<std::string_view> find_string(int id);

// The text of string number `id`; empty when the table has no such number.
std::string_view string_text(int id);
