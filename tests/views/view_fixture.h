#pragma once
// The windows of the program as it starts, without a computer: the main form and the window
// table, with groups handed to every window as the display receiver hands them on.

#include "app/window_rows.h"
#include "platform/settings_store.h"
#include "views/Form_tarvo.h"

#include "frame_bytes.h"
#include "qstring_printer.h"
#include "recording_feedback.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class CView_fixture : public ::testing::Test {
protected:
    // The group as the receiver hands it on: in the receive buffer, then to every window.
    void deliver(const frame_bytes::Bytes &frame)
    {
        CByte_cursor cursor(frame.data(), frame.size());
        ASSERT_EQ(program.groups.read(cursor), EFrame_status::ok);
        program.windows.update_from_group();
    }

    QTemporaryDir folder;
    CRecording_feedback feedback;
    CProgram program;
    std::unique_ptr<TFormTarvo> form = make_main_form(folder);
    CWindow_table windows{*form, WindowRows()};

private:
    static std::unique_ptr<TFormTarvo> make_main_form(const QTemporaryDir &settings)
    {
        UseSettingsFolder(settings.path());
        SStart_options start;
        start.display_address = 0x7F000001;
        start.display_port = 0;
        return std::make_unique<TFormTarvo>(start);
    }
};
