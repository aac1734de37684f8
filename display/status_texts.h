#pragma once
// The one-word status texts of the main window, the views and the published values, with their
// numeric codes and their font colours, from the status words of Group 101.

#include "protocol/status_words.h"

#include <QColor>
#include <QString>
#include <QStringList>

// The words the windows show, or the numeric code that is published to other programs.
enum class ETextForm { words, code };

// The mode entry of the main window that carries the check mark.
enum class EChecked_mode { none, standby, diagnostics, navigate };

// "Standby", "Diagnostic", or in navigate mode the navigation status ("Nav: Full", …). Empty when
// no mode entry is checked (the computer reported a mode without an entry).
QString ModeText(EChecked_mode mode, const SStatus_words &status, ETextForm form);
// "Failure", "Warning" or "Ok".
QString ImuStatusText(const SStatus_words &status, ETextForm form);
// "N/A": the IMU status where it does not apply (no IMU fitted).
QString ImuNotFittedText(ETextForm form);
// The primary (or, while its solution is in use, the auxiliary) GNSS receiver's state.
QString GnssStatusText(const SStatus_words &status, ETextForm form);
// " HP", " XP", " VBS" for the OmniStar service in use, else a single blank; appended to the
// GNSS words.
QString OmniStarSuffix(const SStatus_words &status);
// "Off", "On: Data Gap", "On: Ok" or "On: Not in Use".
QString GimbalStatusText(const SStatus_words &status, ETextForm form);
// "PC Card: " followed by the state of PC-card logging.
QString PcCardStatusText(const SStatus_words &status, ETextForm form);

// Every text of the words form that the functions above can give, for sizing what shows them.
QStringList ModeTexts();
QStringList ImuStatusTexts();
// With each OmniStar suffix.
QStringList GnssStatusTexts();
QStringList GimbalStatusTexts();
QStringList PcCardStatusTexts();

// Font colours of the texts above: red for a state the operator must act on, else black.
QColor ModeColour(const SStatus_words &status);
QColor ImuStatusColour(const SStatus_words &status);
QColor GnssStatusColour(const SStatus_words &status);
QColor GimbalStatusColour(const SStatus_words &status);
QColor PcCardStatusColour(const SStatus_words &status);
