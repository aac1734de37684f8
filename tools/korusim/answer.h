#pragma once
// The simulated computer's answer to one message: what its Message 0 carries and what follows.

#include <cstdint>
#include <string_view>

// What happens once the acknowledgement has been sent.
enum class EAfter : std::uint8_t { nothing, disconnect, restart, shut_down };

struct SAnswer {
    std::uint16_t code = 1;
    bool new_parameters = false;
    std::string_view parameter_name; // the rejected parameter's item name, if any
    EAfter after = EAfter::nothing;
    bool known = true; // false: the simulator has no layout for the message's number
};

// Response codes the computer uses itself.
namespace response {
constexpr std::uint16_t accepted = 1;
constexpr std::uint16_t accepted_too_long = 2;
constexpr std::uint16_t parameter_error = 4;
constexpr std::uint16_t start_error = 7;
constexpr std::uint16_t end_error = 8;
constexpr std::uint16_t byte_count_error = 9;
constexpr std::uint16_t checksum_error = 10;
constexpr std::uint16_t not_logged_in = 11;
constexpr std::uint16_t password_incorrect = 12;
} // namespace response

inline SAnswer rejected(std::uint16_t code, std::string_view parameter = {})
{
    return {code, false, parameter};
}

inline SAnswer applied(bool new_parameters = false, EAfter after = EAfter::nothing)
{
    return {response::accepted, new_parameters, {}, after};
}
