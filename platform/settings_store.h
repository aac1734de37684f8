#pragma once
// The per-user store of window settings: one group per window name, under the organisation
// "Meridane" and the application "Tarvo". Each window keeps its value names in one place.

#include <QString>
#include <QVariant>

class CWindow_settings {
public:
    explicit CWindow_settings(QString window_name);

    QVariant value(const QString &name, const QVariant &fallback = {}) const;
    void set_value(const QString &name, const QVariant &value);
    bool contains(const QString &name) const;

private:
    QString m_window_name;
};

// Keeps the store in `folder` instead of the user's configuration folder (for tests).
void UseSettingsFolder(const QString &folder);
