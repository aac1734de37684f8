// The OmniStar dialog against a fake computer: Message 17's echo loads it and sets which entries
// apply; Apply sends Message 17, with the frequency and bit rate 0 when they do not apply.

#include "omnistar/Form_omni_star.h"

#include "dialog_fixture.h"
#include "setting_frames.h"

namespace {

using namespace dialog_test;
using namespace setting_frames;

constexpr std::uint16_t omni_star = 17;

class OmniStarTest : public CDialog_fixture {
protected:
    QMap<QString, QString> values() { return WindowValues(dialog); }
    void set(const QString &control, const QString &text) { SetWindowValue(dialog, control, text); }
    void press(const QString &button) { PressButton(dialog, button); }
    bool enabled(const char *control) { return dialog.findChild<QWidget *>(control)->isEnabled(); }

    TFormOmniStar &dialog = windows.window_of<TFormOmniStar>("FormOmniStar");
};

TEST_F(OmniStarTest, EchoSetsWhichEntriesApply)
{
    SOmni_star off;
    off.satellite = 1;
    off.frequency = 1545.5;
    hear_echoes({off.message(0)});
    EXPECT_EQ(values()["Mode"], "Off");
    EXPECT_FALSE(enabled("SatID"));
    EXPECT_FALSE(enabled("Freq"));
    EXPECT_FALSE(enabled("BitRate"));

    SOmni_star custom;
    custom.mode = 2;
    custom.satellite = 1;
    custom.frequency = 1545.5126;
    custom.bit_rate = 1200;
    hear_echoes({custom.message(0)});
    const QMap<QString, QString> shown = values();
    EXPECT_EQ(shown["Mode"], "HP Only");
    EXPECT_EQ(shown["SatID"], "Custom");
    EXPECT_EQ(shown["Freq"], "1545.513");
    EXPECT_EQ(shown["BitRate"], "1200");
    EXPECT_TRUE(enabled("SatID"));
    EXPECT_TRUE(enabled("Freq"));
    EXPECT_TRUE(enabled("BitRate"));

    open(dialog);
    set("SatID", "Auto");
    EXPECT_FALSE(enabled("Freq"));
    set("Mode", "Off");
    EXPECT_FALSE(enabled("SatID"));
    set("Mode", "Auto");
    EXPECT_TRUE(enabled("SatID"));
    EXPECT_FALSE(enabled("BitRate"));
}

TEST_F(OmniStarTest, AutoSendsNoFrequencyNorBitRateAndShowsThemSo)
{
    SOmni_star echo;
    echo.mode = 3;
    echo.satellite = 1;
    echo.frequency = 1557.8;
    echo.bit_rate = 2400;
    hear_echoes({echo.message(0)});
    open(dialog);

    set("Freq", "1550.25");
    press("buttonApply");
    std::vector<Bytes> frames = received({omni_star}, 1);
    ASSERT_EQ(frames.size(), 1u);
    echo.frequency = 1550.25;
    EXPECT_EQ(frames[0], echo.message(transaction_of(frames[0])));

    set("SatID", "Auto");
    press("buttonApply");
    frames = received({omni_star}, 2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1], SOmni_star{.mode = 3}.message(transaction_of(frames[1])));
    EXPECT_EQ(values()["Freq"], "0.0");
    EXPECT_EQ(values()["BitRate"], "0");
}

// The bit rate goes into 16 bits; codes without an item leave the choice to the user.
TEST_F(OmniStarTest, BitRatesPast16BitsAndUnknownCodesSendNothing)
{
    SOmni_star echo;
    echo.mode = 255;
    echo.satellite = 1;
    hear_echoes({echo.message(0)});
    EXPECT_EQ(values()["Mode"], "");
    open(dialog);

    press("buttonApply");
    EXPECT_EQ(last_box(), "Omni Star Mode: choose one.");
    set("Mode", "VBS Only");
    set("BitRate", "70000");
    press("buttonApply");
    EXPECT_EQ(last_box(), "Baud Rate (bps): enter a number from 0 to 65535.");
    EXPECT_TRUE(answers.frames_numbered({omni_star}).empty());

    set("BitRate", "65535");
    press("buttonApply");
    const std::vector<Bytes> frames = received({omni_star}, 1);
    ASSERT_EQ(frames.size(), 1u);
    echo.mode = 4;
    echo.bit_rate = 65535;
    EXPECT_EQ(frames[0], echo.message(transaction_of(frames[0])));

    SOmni_star unknown_satellite;
    unknown_satellite.mode = 1;
    unknown_satellite.satellite = 255;
    dialog.hide();
    hear_echoes({unknown_satellite.message(0)});
    dialog.show();
    EXPECT_EQ(values()["SatID"], "");
    press("buttonApply");
    EXPECT_EQ(last_box(), "Satellite ID: choose one.");
    EXPECT_EQ(answers.frames_numbered({omni_star}).size(), 1u);
}

} // namespace
