#include "bench/bench_desktop.h"

#include "platform/settings_store.h"

#include <QtGlobal>

void UseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

CBench_desktop::CBench_desktop()
{
    UseSettingsFolder(m_settings.path());
}

QStringList CBench_desktop::box_texts() const
{
    QStringList texts;
    for (const SMessage_box &box : m_feedback.boxes) {
        texts.append(box.caption + ": " + QString(box.text).replace('\n', ' '));
    }
    return texts;
}
