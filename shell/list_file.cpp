#include "shell/list_file.h"

#include "platform/user_feedback.h"
#include "resources/texts.h"
#include "shell/program.h"

#include <QFile>
#include <QCoreApplication>
#include <QListWidget>
#include <QMessageBox>

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

bool SaveListLines(QWidget &parent, const QListWidget &list, const QString &caption,
                   const QString &failure_text)
{
    SFile_choice choice;
    choice.parent = &parent;
    choice.save = true;
    choice.caption = caption;
    choice.filter = QCoreApplication::translate("ListFile", "Text files (*.txt);;All files (*)");
    choice.default_suffix = "txt";
    const QString path = ChooseDataFile(choice);
    if (path.isEmpty()) {
        return false;
    }
    const QString failure = WriteListLines(list, path);
    if (failure.isEmpty()) {
        return true;
    }
    SMessage_box box;
    box.parent = &parent;
    box.icon = QMessageBox::Warning;
    box.caption = BoxCaption(ECaption::error);
    box.text = failure_text.arg(path, failure);
    ShowMessageBox(box);
    return false;
}
