#pragma once
// The password message: the controller logs in with the settings password, or changes it.

#include "protocol/group_base.h"

#include <cstddef>
#include <cstdint>

// Log in with the password, or change it: the computer checks the password, never the controller.
class CMessage111 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 111;
    static constexpr std::uint16_t byte_count = 48;
    static constexpr std::size_t password_length = 20;
    enum EControl : std::uint8_t { log_in = 0, change_password = 1 };

    CMessage111()
        : CMessage_record(number_of_record, byte_count, "Message 111 header"),
          m_password_control(new TScalar<std::uint8_t>(this, "Password Control", log_in)),
          m_password(new TScalar<char *>(this, "Password", password_length)),
          m_new_password(new TScalar<char *>(this, "New Password", password_length))
    {
        close_layout("Message 111 footer");
    }

    TScalar<std::uint8_t> &password_control() { return *m_password_control; }
    // Log in: the password. Change: the old password.
    TScalar<char *> &password() { return *m_password; }
    // Log in: the same password again. Change: the new password.
    TScalar<char *> &new_password() { return *m_new_password; }

private:
    TScalar<std::uint8_t> *m_password_control;
    TScalar<char *> *m_password;
    TScalar<char *> *m_new_password;
};
