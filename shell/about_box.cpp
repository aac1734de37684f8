#include "shell/about_box.h"

#include "platform/user_feedback.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *add_label(QVBoxLayout *layout, const QString &name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    layout->addWidget(label);
    return label;
}

} // namespace

void ShowAboutBox(QWidget *parent)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QDialog box(parent);
    box.setObjectName("AboutBox");
    box.setWindowTitle(QObject::tr("About"));
    auto *layout = new QHBoxLayout(&box);
    auto *icon = new QLabel(&box);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    layout->addWidget(icon, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    layout->addLayout(texts);
    add_label(texts, "ProductName", QStringLiteral(TARVO_PRODUCT_NAME));
    add_label(texts, "Version", QObject::tr("Version %1").arg(QStringLiteral(TARVO_VERSION)));
    add_label(texts, "Copyright", QStringLiteral(TARVO_LEGAL_NOTICE));
    add_label(texts, "PartNumber", QStringLiteral(TARVO_PART_NUMBER));
    add_label(texts, "CompanyName", QStringLiteral(TARVO_COMPANY));
    add_label(texts, "Comments",
              QObject::tr("Operator's controller for the KORU navigation computer"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(QObject::tr("OK"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    texts->addWidget(buttons);
    QApplication::restoreOverrideCursor();
    RunDialog(box);
}
