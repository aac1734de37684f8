#include "app/running_program.h"

#include "app/help_document.h"
#include "app/window_rows.h"
#include "dde/Form_dde.h"
#include "resources/images.h"

#include <QApplication>

void PrepareApplication()
{
    QApplication::setOrganizationName("Meridane");
    QApplication::setApplicationName("Tarvo");
    QApplication::setApplicationVersion(TARVO_VERSION);
    RegisterImages();
}

CRunning_program::CRunning_program(const SStart_options &start)
    : m_main_form(start), m_windows(m_main_form, WindowRows()), m_automation(m_main_form)
{
    m_main_form.append_to_caption(TFormDde::caption_suffix);
    BuildHelpEntries(m_main_form, QApplication::applicationDirPath());
    m_main_form.show();
    m_main_form.apply_start_options();
    m_automation.start(QDBusConnection::sessionBus());
    m_windows.window_of<TFormDde>("FormDde").start(QDBusConnection::sessionBus());
}
