// The per-user settings store: one group per window, kept where tests say.

#include "platform/settings_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(WindowSettings, EachWindowKeepsItsOwnValues)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    UseSettingsFolder(folder.path());

    CWindow_settings main_window("FormTarvo");
    CWindow_settings message_log("FormMessageLog");
    EXPECT_FALSE(main_window.contains("Left"));
    main_window.set_value("Left", 120);
    message_log.set_value("Left", 7);
    EXPECT_EQ(CWindow_settings("FormTarvo").value("Left").toInt(), 120);
    EXPECT_EQ(message_log.value("Left").toInt(), 7);
    EXPECT_EQ(main_window.value("Top", 55).toInt(), 55) << "a missing value reads as the fallback";
    EXPECT_TRUE(QFile::exists(folder.path() + "/Meridane/Tarvo.conf"));
}

} // namespace
