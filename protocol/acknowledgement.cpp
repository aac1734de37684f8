#include "protocol/acknowledgement.h"

std::optional<int> CMsg0_response_code::text_number(std::uint16_t code)
{
    if (code > last_named_code) {
        return std::nullopt;
    }
    return first_text_number + code;
}

CNew_parameters::CNew_parameters(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, 0, {{0, "New Parameters Accepted"}})
{}

CMessage0::CMessage0()
    : CMessage_record(number_of_record, byte_count, "Message 0 header"),
      m_message_id_received(new TScalar<std::uint16_t>(this, "Message ID Received", 0)),
      m_response_code(new CMsg0_response_code(this, "Message Response Code", 0)),
      m_new_parameters(new CNew_parameters(this, "New Parameters Accepted")),
      m_parameter_error_name(new TScalar<char *>(this, "Parameter Error Name", 32))
{
    close_layout("Message 0 footer");
}

std::optional<std::string> rejection_text(std::uint16_t message_id, std::uint16_t code,
                                          std::string_view code_text)
{
    if (code <= CMsg0_response_code::last_accepting_code) {
        return std::nullopt;
    }
    std::string text = "Message " + std::to_string(message_id) + " rejected! ";
    if (code <= CMsg0_response_code::last_named_code) {
        text += code_text;
    } else {
        text += "Error code " + std::to_string(code);
    }
    text += '.';
    return text;
}
