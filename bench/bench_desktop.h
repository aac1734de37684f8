#pragma once
// What the benchmarks of the windows need of the desktop: the offscreen platform unless another
// is named, a settings store of their own in a temporary folder, so that the user's settings
// neither shape nor take up what the benchmark does, and message boxes and dialogs that never
// wait for a user. The boxes the program showed are kept, for the benchmark to report.

#include "recording_feedback.h"

#include <QStringList>
#include <QTemporaryDir>

// Before the QApplication is made: the offscreen platform, unless QT_QPA_PLATFORM names one.
void UseOffscreenPlatform();

class CBench_desktop {
public:
    CBench_desktop();

    // The text of every message box shown so far, one line each.
    QStringList box_texts() const;

private:
    QTemporaryDir m_settings;
    CRecording_feedback m_feedback;
};
