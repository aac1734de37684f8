#pragma once
// Numbers of the strings that code looks up by name rather than through a table of its own.

#include <optional>

namespace string_id {

// Socket errors: the text of a Windows Sockets code is the string of that number. Codes below
// the first one (including 0) read as the first, "[0] Network Socket Error".
inline constexpr int socket_error_first = 10000;
inline constexpr int socket_error_last = 11999;

// Suffixes of message-box captions, appended to the application title.
inline constexpr int caption_warning = 12011;
inline constexpr int caption_error = 12012;
inline constexpr int caption_message = 12013;

// The main window: status alarms, the connection, its questions and its state panel.
inline constexpr int alarm_memory_write = 12004;
inline constexpr int alarm_memory_read = 12005;
inline constexpr int alarm_logging_full = 12006;
inline constexpr int alarm_logging_error = 12007;
inline constexpr int cannot_connect = 12008;
inline constexpr int connected_to = 12009;
inline constexpr int disconnected_from = 12010;
inline constexpr int lost_connection = 12015;
inline constexpr int save_configuration_question = 12016;
inline constexpr int save_message_log_question = 12021;
inline constexpr int state_monitor = 12040;
inline constexpr int state_waiting = 12041;
inline constexpr int state_connected = 12042;
inline constexpr int state_connecting = 12043;
inline constexpr int state_disconnecting = 12044;

// The "New" column of acknowledgements.
inline constexpr int yes = 12400;
inline constexpr int no = 12401;

// Acknowledgement response code c reads as string response_first + c, for c up to
// response_last_code; higher codes have no text.
inline constexpr int response_first = 12403;
inline constexpr int response_last_code = 12;

// Hemisphere suffixes of latitudes and longitudes.
inline constexpr int north = 12500;
inline constexpr int south = 12501;
inline constexpr int east = 12502;
inline constexpr int west = 12503;

// Times that cannot be shown.
inline constexpr int time_overflow = 12504;
inline constexpr int time_not_available_micro = 12505;
inline constexpr int time_not_available = 12506;

// Time-base and distance-base suffixes.
inline constexpr int time_gps = 12507;
inline constexpr int time_utc = 12508;
inline constexpr int time_koru = 12509;
inline constexpr int time_user = 12510;
inline constexpr int distance_koru = 12511;
inline constexpr int distance_dmi = 12512;
inline constexpr int distance_unknown = 12513;

// Entry checks of the address, subnet mask, latitude and longitude fields.
inline constexpr int address_invalid = 13500;
inline constexpr int subnet_mask_invalid = 13501;
inline constexpr int latitude_invalid = 13600;
inline constexpr int longitude_invalid = 13601;

// "N/A": a value the computer reports as unavailable.
inline constexpr int not_available = 14200;

// Texts of the program's own, beyond the numbers the computer's documents give.
inline constexpr int control_closed = 17000;

// The string that holds the text of socket error `code`.
constexpr int socket_error(int code)
{
    return code < socket_error_first ? socket_error_first : code;
}

// The string that holds the text of acknowledgement response `code`, or nothing for codes that
// have no text (they are shown by number).
constexpr std::optional<int> response(int code)
{
    if (code < 0 || code > response_last_code) {
        return std::nullopt;
    }
    return response_first + code;
}

} // namespace string_id
