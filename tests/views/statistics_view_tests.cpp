// The statistics view: the version text of Group 99, or the one built from Group 108, and the
// model codes it sets; the statistics of either group in the same places; the load values and the
// strip chart as read from outside: its points, the week rollover, a new time type, the oldest
// point dropped after an hour.

#include "view_fixture.h"

#include "settings/Form_ethernet_logging.h"
#include "shell/window_values.h"
#include "views/Form_statistics.h"

namespace {

using frame_bytes::Bytes;
using frame_bytes::put_f32;
using frame_bytes::put_f64;
using frame_bytes::put_text;
using frame_bytes::put_u16;
using frame_bytes::put_u32;
using frame_bytes::put_u8;

// A text field of `length` bytes: `text`, then zeros.
void put_field(Bytes &body, std::string_view text, std::size_t length)
{
    put_text(body, text.substr(0, length));
    body.insert(body.end(), length - std::min(text.size(), length), std::byte{0});
}

void put_statistics(Bytes &body)
{
    put_f32(body, 1234.5F);
    put_u32(body, 77);
    put_f32(body, 2.25F);
    put_f32(body, 9.75F);
    put_f32(body, 0.5F);
}

Bytes versions(std::string_view koru_version)
{
    Bytes body;
    put_field(body, koru_version, 120);
    put_field(body, "primary receiver 2.0", 80);
    put_field(body, "secondary receiver 3.0", 80);
    put_statistics(body);
    return frame_bytes::group(99, body);
}

Bytes identification(std::uint32_t model)
{
    Bytes body;
    put_u32(body, model);
    for (const float number : {5.0F, 1234.0F, 2.1F, 3.25F, 4.0F}) {
        put_f32(body, number);
    }
    put_field(body, std::string(80, 'P'), 80);
    put_field(body, "secondary", 80);
    put_statistics(body);
    return frame_bytes::group(108, body);
}

// Group 20105 at `seconds` of time type `time_type`.
Bytes load(double seconds, std::uint8_t time_type, std::uint16_t current)
{
    Bytes full;
    put_f64(full, seconds);
    put_f64(full, 0.0);
    put_f64(full, 0.0);
    put_u8(full, time_type);
    put_u8(full, 0);
    for (const std::uint16_t value : {current, std::uint16_t{40}, std::uint16_t{60},
                                      std::uint16_t{20}}) {
        put_u16(full, value);
    }
    return frame_bytes::make_frame("$GRP", 20105, full);
}

class StatisticsViewTest : public CView_fixture {
protected:
    QMap<QString, QString> show(const Bytes &frame)
    {
        deliver(frame);
        view.RefreshDisplay();
        return WindowValues(view);
    }

    TFormStatistics &view = windows.window_of<TFormStatistics>("FormStatistics");
};

} // namespace

TEST_F(StatisticsViewTest, Group99SetsTheVersionsStatisticsAndBothModelCodes)
{
    const QMap<QString, QString> values = show(versions("7,2-KORU 4.1, build 17"));
    EXPECT_EQ(values.value("KoruVersion"), "7,2-KORU 4.1, build 17");
    EXPECT_EQ(values.value("GPSReceiversPrimaryReceiver"), "primary receiver 2.0");
    EXPECT_EQ(values.value("StatisticsTotalHours"), "1234.5");
    EXPECT_EQ(values.value("StatisticsTotalRuns"), "77");
    EXPECT_EQ(values.value("StatisticsLongestRunHours"), "9.8");
    EXPECT_EQ(program.options.model_code, "7");
    EXPECT_EQ(program.options.sub_model_code, "2");
    EXPECT_TRUE(program.options.has_hotlink_interface());

    // The Hotlink pair renames the Ethernet logging dialog.
    auto &logging = windows.window_of<TFormEthernetLogging>("FormEthernetLogging");
    logging.show();
    EXPECT_EQ(logging.windowTitle(), "Hotlink/Ethernet Logging Control");
    logging.hide();
}

// Group 108's version text is built from its numbers; it sets the model code only, and its
// statistics show where Group 99's do.
TEST_F(StatisticsViewTest, Group108BuildsTheVersionTextAndSetsOnlyTheModelCode)
{
    show(versions("7,2-KORU"));
    const QMap<QString, QString> values = show(identification(510));
    EXPECT_EQ(values.value("KoruVersion"), "510,VER5,S/N1234,HW2.1,SW3.25,ICD4.0");
    EXPECT_EQ(values.value("GPSReceiversPrimaryReceiver"), QString(80, 'P'))
        << "a receiver text as long as its field";
    EXPECT_EQ(values.value("GPSReceiversSecondaryReceiver"), "secondary");
    EXPECT_EQ(values.value("StatisticsCurrentRunHours"), "0.5");
    EXPECT_EQ(program.options.model_code, "510");
    EXPECT_EQ(program.options.sub_model_code, "2");
    EXPECT_FALSE(program.options.has_hotlink_interface());
}

// A full-length version text without a terminator is read within its field.
TEST_F(StatisticsViewTest, AFullLengthVersionTextIsReadWithinItsField)
{
    const std::string full(120, 'V');
    EXPECT_EQ(show(versions(full)).value("KoruVersion"), QString::fromStdString(full));
    EXPECT_EQ(program.options.model_code, QString::fromStdString(full));
}

TEST_F(StatisticsViewTest, TheLoadShowsAsPercentAndAsPointsOfTheStripChart)
{
    QMap<QString, QString> values = show(load(604799, 1, 35));
    EXPECT_EQ(values.value("SystemLoadingCurrent"), "35%");
    EXPECT_EQ(values.value("SystemLoadingMinimum"), "20%");
    EXPECT_EQ(values.value("Chart1Points"), "1");
    EXPECT_EQ(values.value("Chart1Minimum"), "604799.000");
    EXPECT_EQ(values.value("Chart1Maximum"), "604899.000");

    // The week rolls over: the next point lies 7 days on, and the axis follows it.
    values = show(load(1, 1, 36));
    EXPECT_EQ(values.value("Chart1Points"), "2");
    EXPECT_EQ(values.value("Chart1Maximum"), "604899.000") << "7 days and 1 s are on the axis";

    // No load: no point; the label reads "N/A".
    values = show(load(2, 1, 0xFFFF));
    EXPECT_EQ(values.value("Chart1Points"), "2");
    EXPECT_EQ(values.value("SystemLoadingCurrent"), "N/A");

    // Another time type starts the chart again.
    values = show(load(500, 2, 37));
    EXPECT_EQ(values.value("Chart1Points"), "1");
    EXPECT_EQ(values.value("Chart1Minimum"), "605300.000") << "the week stays added";
}

TEST_F(StatisticsViewTest, TheChartKeepsAnHourOfPointsAndAResetEmptiesIt)
{
    for (int second = 0; second <= 3600; ++second) {
        deliver(load(second, 2, 50));
    }
    const QMap<QString, QString> values = WindowValues(view);
    EXPECT_EQ(values.value("Chart1Points"), "3600");
    EXPECT_EQ(values.value("Chart1Maximum"), "3600.000");
    EXPECT_DOUBLE_EQ(view.strip().points().front().x * CLoad_strip::seconds_per_day, 1);

    view.ResetDisplay(0);
    EXPECT_EQ(WindowValues(view).value("Chart1Points"), "0");
    EXPECT_EQ(WindowValues(view).value("SystemLoadingCurrent"), "");
}
