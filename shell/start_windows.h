#pragma once
// The windows the program creates at start, hidden, right after the main form: they take in
// data from the first frame on, in this order, and live until the program ends. Their menu
// entries in the main window work from then on.

#include <memory>

class TFormCommandReply;
class TFormMain;
class TFormMessageLog;
class TFormSaveSettings;

class CStart_windows {
public:
    explicit CStart_windows(TFormMain &main);
    ~CStart_windows();
    CStart_windows(const CStart_windows &) = delete;
    CStart_windows &operator=(const CStart_windows &) = delete;

    TFormMessageLog &message_log() const { return *m_message_log; }
    TFormSaveSettings &save_settings() const { return *m_save_settings; }
    TFormCommandReply &command_reply() const { return *m_command_reply; }

private:
    std::unique_ptr<TFormMessageLog> m_message_log;
    std::unique_ptr<TFormSaveSettings> m_save_settings;
    std::unique_ptr<TFormCommandReply> m_command_reply;
};
