#include "platform/settings_store.h"

#include <QSettings>

namespace {

constexpr char organisation[] = "Meridane";
constexpr char application[] = "Tarvo";

} // namespace

CWindow_settings::CWindow_settings(QString window_name) : m_window_name(std::move(window_name)) {}

QVariant CWindow_settings::value(const QString &name, const QVariant &fallback) const
{
    QSettings settings(organisation, application);
    settings.beginGroup(m_window_name);
    return settings.value(name, fallback);
}

void CWindow_settings::set_value(const QString &name, const QVariant &value)
{
    QSettings settings(organisation, application);
    settings.beginGroup(m_window_name);
    settings.setValue(name, value);
}

bool CWindow_settings::contains(const QString &name) const
{
    QSettings settings(organisation, application);
    settings.beginGroup(m_window_name);
    return settings.contains(name);
}

void UseSettingsFolder(const QString &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}
