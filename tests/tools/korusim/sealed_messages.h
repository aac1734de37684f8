#pragma once
// Messages as the controller sends them, sealed through the protocol records, for the korusim
// tests.

#include "protocol/command_messages.h"

#include "frame_bytes.h"

#include <span>

namespace korusim_test {

inline frame_bytes::Bytes bytes_of(std::span<const std::byte> frame)
{
    return frame_bytes::Bytes(frame.begin(), frame.end());
}

template <class TMessage>
frame_bytes::Bytes sealed(TMessage &message, std::uint16_t transaction)
{
    message.seal(transaction);
    return bytes_of(message.frame());
}

inline frame_bytes::Bytes mode_message(std::uint16_t transaction, std::uint8_t mode)
{
    CMessage7 message;
    message.mode_type().set(mode);
    return sealed(message, transaction);
}

inline frame_bytes::Bytes control_message(std::uint16_t transaction, std::uint16_t control)
{
    CMessage14 message;
    message.control().set(control);
    return sealed(message, transaction);
}

} // namespace korusim_test
