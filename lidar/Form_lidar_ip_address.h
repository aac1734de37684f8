#pragma once
// The Q240 lidar tool, "Lidar Control": the computer itself talks to the scanner. The dialog
// sends the scanner's address (Message 20207) and the logging asked for (Message 20206), and shows
// the connection and logging state the computer reports in Group 20202. Guarded by the settings
// password.
//
// It also keeps the logging of a stored Message 20206 in step with the computer when a settings
// file is loaded: a file must not switch the scanner's logging.

#include "lidar/lidar_records.h"
#include "settings/dialog_fields.h"
#include "shell/Form_protect_settings.h"

#include <cstdint>
#include <optional>

class TLidarLink;

class TFormLidarIpAddress : public TFormProtectSettings, private ILoaded_frame_adjuster {
    Q_OBJECT

public:
    explicit TFormLidarIpAddress(QWidget *parent = nullptr);
    ~TFormLidarIpAddress() override;

    TLidarLink *LidarLink() const { return m_link; }

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;
    // Sends Message 20207 (" Connect Control" 1), then Message 20206.
    void SendSettings(int argument) override;

protected:
    bool entries_ready() override;

private:
    bool adjust_loaded_frame(std::span<std::byte> frame) override;

    TLidarLink *m_link;
    CDialog_fields m_fields;
    CGroup20202 *m_lidar = nullptr;
    // The logging the computer reports now, as Message 20206 sets it; nothing until it says.
    std::optional<std::uint8_t> m_reported_logging;
};
