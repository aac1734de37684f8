#pragma once
// The message of the PC card logging dialog: which groups the computer records on its removable
// card, at which rate, under which file name, whether it starts recording at power-up, and start
// and stop. Standard library and protocol only, so that the simulator and the tests use it
// without a widget.

#include "protocol/group_list_message.h"

#include <cstdint>
#include <string_view>

// "Logging Mode": bit 0 "Automatic Logging", set when the computer records from power-up.
class CLogging_mode : public TBit_set<std::uint8_t> {
public:
    CLogging_mode(CComposite_item *parent, std::string_view name)
        : TBit_set(parent, name, 0, {{0, "Automatic Logging"}})
    {}
    TBit_pointer<std::uint8_t> &automatic_logging() { return *bit(0); }
};

// "Disk Logging Control": bit 0 "Start Logging", set to start or keep recording, clear to stop.
class CDisk_logging_control : public TBit_set<std::uint8_t> {
public:
    CDisk_logging_control(CComposite_item *parent, std::string_view name)
        : TBit_set(parent, name, 0, {{0, "Start Logging"}})
    {}
    TBit_pointer<std::uint8_t> &start_logging() { return *bit(0); }
};

// PC card logging. Variable length: a count, that many group numbers (room for 64), the output
// rate, the logging mode, start or stop, and the file name.
class CMessage4 : public CGroup_list_message {
public:
    static constexpr std::uint16_t number_of_record = 4;
    static constexpr std::size_t largest_group_count = 64;
    static constexpr std::uint16_t largest_byte_count = 204;
    static constexpr std::size_t file_name_length = 64;

    // Groups 4, 101, 10001 and 10101 at 1 Hz, not logging, file name "default".
    CMessage4();

    TScalar<std::uint16_t> &output_rate() { return *m_output_rate; } // Hz
    CLogging_mode &logging_mode() { return *m_logging_mode; }
    CDisk_logging_control &disk_logging_control() { return *m_disk_logging_control; }
    TScalar<char *> &file_name() { return *m_file_name; }

private:
    TScalar<std::uint16_t> *m_output_rate;
    CLogging_mode *m_logging_mode;
    CDisk_logging_control *m_disk_logging_control;
    TScalar<char *> *m_file_name;
};
