#include "views/Form_status_window.h"

TFormStatusWindow::TFormStatusWindow(const QString &name, const QString &caption, QWidget *parent)
    : TFormTableView(name, parent)
{
    setWindowTitle(caption);
    set_design_text(QStringLiteral("-"));
}
