#pragma once
// The program once the command line is read: the shared state, the main form, the window table
// with its start windows and the automation interface, made in that order, the main form shown
// and the session the command line asked for started, the DDE server listening. Tarvo's main and the start benchmarks
// build it the same way.

#include "automation/status_service.h"
#include "shell/program.h"
#include "shell/window_table.h"
#include "views/Form_tarvo.h"

// Names the application (where its settings are kept) and registers its images. Called once,
// right after the QApplication is made.
void PrepareApplication();

class CRunning_program {
public:
    explicit CRunning_program(const SStart_options &start);
    CRunning_program(const CRunning_program &) = delete;
    CRunning_program &operator=(const CRunning_program &) = delete;

    TFormTarvo &main_form() { return m_main_form; }
    CWindow_table &windows() { return m_windows; }

private:
    // Made in this order, ended in the reverse: the windows before the main form.
    CProgram m_program;
    TFormTarvo m_main_form;
    CWindow_table m_windows;
    CStatus_service m_automation;
};
