#pragma once
// The computer's answer to every message (Message 0), its response codes, the transaction numbers
// that tie the two together, and the text built for a rejected command.

#include "protocol/group_base.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// "Message Response Code": a response code is never overwritten with the "no data" sentinel.
class CMsg0_response_code : public TScalar<std::uint16_t> {
public:
    // The codes that have a text of their own; larger codes are shown by number.
    static constexpr std::uint16_t last_named_code = 12;
    // Codes up to this one mean the message was accepted.
    static constexpr std::uint16_t last_accepting_code = 3;
    // The text of code c is string number first_text_number + c.
    static constexpr int first_text_number = 12403;

    CMsg0_response_code(CComposite_item *parent, std::string_view name, std::uint16_t initial)
        : TScalar(parent, name, initial)
    {}
    void set_invalid() override {}

    bool is_accepted() const { return get() <= last_accepting_code; }
    // The string number of the code's text, when it has one.
    static std::optional<int> text_number(std::uint16_t code);
};

// "New Parameters Accepted": one flag.
class CNew_parameters : public TBit_set<std::uint8_t> {
public:
    CNew_parameters(CComposite_item *parent, std::string_view name);
    bool accepted() const { return bit(0)->get(); }
};

class CMessage0 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 0;
    static constexpr std::uint16_t byte_count = 44;

    CMessage0();

    TScalar<std::uint16_t> &message_id_received() { return *m_message_id_received; }
    CMsg0_response_code &response_code() { return *m_response_code; }
    CNew_parameters &new_parameters() { return *m_new_parameters; }
    TScalar<char *> &parameter_error_name() { return *m_parameter_error_name; }

private:
    TScalar<std::uint16_t> *m_message_id_received;
    CMsg0_response_code *m_response_code;
    CNew_parameters *m_new_parameters;
    TScalar<char *> *m_parameter_error_name;
};

// Transaction numbers of sent messages: 1, 2, ... 65534, then 1 again; 0 and 65535 are never
// used. One counter serves the whole program and is not reset by reconnecting.
class CTransaction_counter {
public:
    static constexpr std::uint16_t last_number = 65534;

    std::uint16_t next()
    {
        if (m_last >= last_number) {
            m_last = 0;
        }
        return ++m_last;
    }

private:
    std::uint16_t m_last = 0;
};

// The text shown when the computer rejects a message: "Message 7 rejected! Byte Count Error."
// `code_text` is the text of `code` (see CMsg0_response_code::text_number); codes without a text
// are shown by number. Nothing for codes that mean the message was accepted.
std::optional<std::string> rejection_text(std::uint16_t message_id, std::uint16_t code,
                                          std::string_view code_text);
