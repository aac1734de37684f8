#include "shell/start_windows.h"

#include "shell/Form_command_reply.h"
#include "shell/Form_main.h"
#include "shell/Form_message_log.h"
#include "shell/Form_save_settings.h"

CStart_windows::CStart_windows(TFormMain &main)
    : m_message_log(std::make_unique<TFormMessageLog>()),
      m_save_settings(std::make_unique<TFormSaveSettings>()),
      m_command_reply(std::make_unique<TFormCommandReply>())
{
    TFormMessageLog *log = m_message_log.get();
    main.build_entry("MessageLog1", log, [log] { ShowView(*log); });
    main.build_entry("SaveMessageLog1", log, [log] { log->save(); });
    TFormCommandReply *reply = m_command_reply.get();
    main.build_entry("CommandReply1", reply, [reply] { ShowView(*reply); });
}

CStart_windows::~CStart_windows() = default;
