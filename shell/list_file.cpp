#include "shell/list_file.h"

#include <QFile>
#include <QListWidget>

QString WriteListLines(const QListWidget &list, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        return file.errorString();
    }
    for (int row = 0; row < list.count(); ++row) {
        file.write(list.item(row)->text().toUtf8());
        file.write("\n");
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    return {};
}
