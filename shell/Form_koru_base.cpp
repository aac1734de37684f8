#include "shell/Form_koru_base.h"

#include "shell/program.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

TFormKoruBase::TFormKoruBase(const QString &name, QWidget *parent)
    : QDialog(parent),
      m_bevel(new QFrame(this)),
      m_content(new QVBoxLayout(m_bevel)),
      m_buttons(new QHBoxLayout),
      m_close(new QPushButton(tr("Close"), this))
{
    setObjectName(name);
    setFont(QFont("Arial", 10));
    m_bevel->setObjectName("BorderBevel");
    m_bevel->setFrameShape(QFrame::Box);
    m_bevel->setFrameShadow(QFrame::Sunken);

    // Enter and Escape both press Close, which hides the window; it lives until the program ends.
    m_close->setObjectName("buttonClose");
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bevel, 1);
    m_buttons->addStretch(1);
    m_buttons->addWidget(m_close);
    layout->addLayout(m_buttons);

    Program().windows.add(this);
}

TFormKoruBase::~TFormKoruBase()
{
    Program().windows.remove(this);
}

void TFormKoruBase::showEvent(QShowEvent *event)
{
    // Every page title reads whole: the window is as wide as its pages' tabs, never scrolled.
    for (QTabBar *tabs : findChildren<QTabBar *>()) {
        tabs->setUsesScrollButtons(false);
        tabs->setElideMode(Qt::ElideNone);
    }
    if (isMinimized()) {
        showNormal();
    }
    if (m_close->isVisible()) {
        m_close->setFocus();
    }
    QDialog::showEvent(event);
}

void ShowView(TFormKoruBase &view)
{
    if (view.isMinimized()) {
        view.showNormal();
    }
    if (!view.m_shown_by_show_view) {
        view.adjustSize();
    }
    view.m_shown_by_show_view = true;
    view.show();
    view.raise();
    view.activateWindow();
}
