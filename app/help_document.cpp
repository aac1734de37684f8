#include "app/help_document.h"

#include "platform/user_feedback.h"
#include "resources/texts.h"
#include "shell/Form_main.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

void open_guide(TFormMain &main, const QString &path, const QString &section)
{
    if (!QFileInfo(path).isFile()) {
        SMessage_box box;
        box.parent = &main;
        box.icon = QMessageBox::Warning;
        box.caption = BoxCaption(ECaption::error);
        box.text = QCoreApplication::translate("Help", "The operator's guide is missing: %1")
                       .arg(QDir::toNativeSeparators(path));
        ShowMessageBox(box);
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(section);
    QDesktopServices::openUrl(url);
}

} // namespace

QString HelpDocumentPath(const QString &program_folder)
{
    return QDir::cleanPath(program_folder + "/../share/tarvo/help/tarvo.html");
}

void BuildHelpEntries(TFormMain &main, const QString &program_folder)
{
    const QString path = HelpDocumentPath(program_folder);
    main.build_entry("Contents1", &main, [&main, path] { open_guide(main, path, {}); });
    main.build_entry("UsingHelp1", &main,
                     [&main, path] { open_guide(main, path, QStringLiteral("using-help")); });
}
