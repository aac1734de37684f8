// The faults view after given groups, read as from outside: which lamps are lit, the page
// markers, the receiver pages and their captions, the IMU page by IMU type; and the indicator
// tables themselves.

#include "view_fixture.h"

#include "controls/led_image.h"
#include "shell/window_values.h"
#include "views/Form_faults.h"
#include "views/fault_tables.h"

#include "gnss_frames.h"

#include <QGroupBox>
#include <QTabWidget>

#include <set>

namespace {

using frame_bytes::Bytes;

Bytes status_group(std::uint32_t status_b, std::array<std::uint32_t, 5> levels,
                   std::uint16_t imu_failures = 0)
{
    using namespace frame_bytes;
    Bytes body;
    put_u32(body, 0);
    put_u32(body, status_b);
    put_u32(body, 0);
    put_u32(body, levels[0]);
    put_u16(body, imu_failures);
    for (std::size_t i = 1; i < levels.size(); ++i) {
        put_u16(body, static_cast<std::uint16_t>(levels[i]));
    }
    return group(101, body);
}

Bytes imu_group(std::uint8_t type, std::uint16_t status)
{
    using namespace frame_bytes;
    Bytes body;
    for (int i = 0; i < 6; ++i) {
        put_u32(body, 0);
    }
    put_u8(body, 0);
    put_u8(body, type);
    put_u8(body, 2);
    put_u16(body, status);
    return group(4, body);
}

Bytes receiver_group(std::uint16_t number, std::uint8_t type, std::uint32_t status,
                     std::uint8_t mode = 4)
{
    gnss_frames::SReceiver receiver;
    receiver.type = type;
    receiver.status = status;
    receiver.mode = mode;
    receiver.satellites = gnss_frames::satellites(7);
    return gnss_frames::receiver_frame(number, receiver);
}

class FaultsTest : public CView_fixture {
protected:
    TFormFaults &view() { return windows.window_of<TFormFaults>("FormFaults"); }
    QMap<QString, QString> values() { return WindowValues(view()); }
    QString lamp(unsigned led)
    {
        return values().value(QStringLiteral("CLed_image%1").arg(led), "(not shown)");
    }
    // The lamps lit among those shown.
    std::set<unsigned> lit()
    {
        std::set<unsigned> on;
        const QMap<QString, QString> all = values();
        for (auto it = all.begin(); it != all.end(); ++it) {
            if (it.key().startsWith("CLed_image") && it.value() == "on") {
                on.insert(it.key().mid(10).toUInt());
            }
        }
        return on;
    }
    QString page_caption(int page)
    {
        return view().PaintedValues().value(QStringLiteral("PageControl1Caption[%1]").arg(page));
    }
    bool page_shown(int page)
    {
        return view().findChild<QTabWidget *>("PageControl1")->isTabVisible(page);
    }
    QString box_title(const char *name) { return view().findChild<QGroupBox *>(name)->title(); }
    bool enabled(unsigned led)
    {
        return view().findChild<CLed_image *>(QStringLiteral("CLed_image%1").arg(led))->isEnabled();
    }
};

TEST_F(FaultsTest, FaultFlagsLightTheirLampsAndMarkTheGeneralPage)
{
    EXPECT_EQ(page_caption(0), " General");
    deliver(status_group(0x100, {0, 0, 0, 0, 0x0005}, 17));
    EXPECT_EQ(lit(), std::set<unsigned>{8}) << "bits 0 and 2: the accelerometer bias lamp";
    EXPECT_EQ(page_caption(0), "*General");
    EXPECT_EQ(values().value("Level1ImuFailures"), "17");
    deliver(status_group(0x100, {0, 0, 0, 0, 0x0010}));
    EXPECT_EQ(lit(), std::set<unsigned>{9});

    // The installation lamp is lit while bit 8 of General Status B is clear.
    deliver(status_group(0, {0, 0, 0, 0, 0}));
    EXPECT_EQ(lit(), std::set<unsigned>{73});
    deliver(status_group(0x100, {0, 0, 0, 0, 0}));
    EXPECT_EQ(lit(), std::set<unsigned>{});
    EXPECT_EQ(page_caption(0), " General");

    deliver(status_group(0x100, {0x4000000 | 0x20, 0x8, 0x1, 0x4, 0x80}));
    EXPECT_EQ(lit(), (std::set<unsigned>{55, 5, 54, 128, 49, 74}));
    EXPECT_EQ(values().value("Label128"), "Pri-Aux Position Exceeds Limits");
}

TEST_F(FaultsTest, PrimaryReceiverStatusLightsItsPage)
{
    deliver(receiver_group(3, 1, 0x000B00FF));
    EXPECT_EQ(lit(), std::set<unsigned>{}) << "every good bit set";
    EXPECT_EQ(page_caption(1), " Primary GPS");
    EXPECT_EQ(box_title("GroupBoxPriGps"), "Primary GPS Status: 0x000B00FF");

    deliver(receiver_group(3, 1, 0));
    EXPECT_EQ(lit(), (std::set<unsigned>{19, 20, 21, 22, 23, 24, 25, 26}));
    EXPECT_EQ(page_caption(1), "*Primary GPS");
    EXPECT_EQ(box_title("GroupBoxPriGps"), "Primary GPS Status: 0x00000000");
    EXPECT_EQ(lamp(106), "(not shown)") << "the dual-frequency part belongs to type 2";

    // All ones: the fault bits light, the good bits do not.
    deliver(receiver_group(3, 1, 0xFFFFFFFF));
    EXPECT_EQ(lit(), (std::set<unsigned>{27, 28, 29, 30}));
}

TEST_F(FaultsTest, DualFrequencyReceiverShowsItsSecondPart)
{
    deliver(receiver_group(3, 2, 0x00C300FF));
    EXPECT_EQ(lamp(106), "off");
    EXPECT_EQ(lit(), (std::set<unsigned>{109, 112, 113})) << "bit 19 clear, bits 22 and 23 set";
    // A lit dual-frequency lamp does not keep the single-frequency part from following the word.
    deliver(receiver_group(3, 2, 0x00C300FE));
    EXPECT_EQ(lit(), (std::set<unsigned>{19, 109, 112, 113}));
    deliver(receiver_group(3, 1, 0x00C300FE));
    EXPECT_EQ(lamp(109), "(not shown)");
}

// The secondary receiver's page shows once it reports; mode 0 disables its lamps, types 13
// and 16 hide its page, an unknown type shows it dark.
TEST_F(FaultsTest, SecondaryReceiverPageFollowsModeAndType)
{
    EXPECT_FALSE(page_shown(2));
    deliver(receiver_group(106, 1, 0x1, 0));
    EXPECT_TRUE(page_shown(2)) << "a receiver of type 1 has a page";
    EXPECT_FALSE(enabled(57)) << "mode 0: no data";
    EXPECT_FALSE(enabled(51)) << "the general page's secondary receiver box too";
    EXPECT_EQ(page_caption(2), " Secondary GPS") << "lamps lit but disabled";

    deliver(receiver_group(106, 1, 0x1, 4));
    EXPECT_TRUE(page_shown(2));
    EXPECT_TRUE(enabled(57));
    EXPECT_EQ(page_caption(2), "*Secondary GPS");
    EXPECT_EQ(box_title("GroupBoxSecGps"), "Secondary GPS Status: 0x00000001");

    deliver(receiver_group(106, 13, 0x1));
    EXPECT_FALSE(page_shown(2));
    deliver(receiver_group(106, 7, 0));
    EXPECT_TRUE(page_shown(2));
    EXPECT_EQ(lit(), std::set<unsigned>{}) << "an unknown type shows every lamp dark";
    EXPECT_EQ(page_caption(2), " Secondary GPS");
}

TEST_F(FaultsTest, ImuPageByType)
{
    EXPECT_FALSE(page_shown(3));
    deliver(imu_group(3, 0x4580));
    EXPECT_TRUE(page_shown(3));
    EXPECT_EQ(lit(), std::set<unsigned>{}) << "0x4580 reads as the good word 0x4480";
    EXPECT_EQ(page_caption(3), " IMU");
    EXPECT_EQ(values().value("Label31"), "System Wrap Around Test");
    EXPECT_EQ(lamp(46), "(not shown)") << "table D has fifteen lamps";
    deliver(imu_group(3, 0x4481));
    EXPECT_EQ(lit(), std::set<unsigned>{31});
    EXPECT_EQ(page_caption(3), "*IMU");
    EXPECT_EQ(box_title("GroupBoxImu"), "IMU 3 Status: 0x4481");

    // Table G shows its validity bits inverted; table F skips lamps 37 and 38.
    deliver(imu_group(12, 0x2));
    EXPECT_EQ(lit(), std::set<unsigned>{31});
    EXPECT_EQ(lamp(33), "(not shown)");
    deliver(imu_group(11, 0x8000));
    EXPECT_EQ(lit(), std::set<unsigned>{41});
    EXPECT_EQ(lamp(37), "(not shown)");
    deliver(imu_group(27, 0x1));
    EXPECT_EQ(values().value("Label31"), "TBD");
    EXPECT_EQ(values().value("Label46"), "Interface Timeout");

    // A type without a table hides the page, leaving it for the general page if it was showing.
    deliver(imu_group(2, 0));
    view().findChild<QTabWidget *>("PageControl1")->setCurrentIndex(3);
    deliver(imu_group(0, 0));
    EXPECT_FALSE(page_shown(3));
    EXPECT_EQ(view().findChild<QTabWidget *>("PageControl1")->currentIndex(), 0);

    // After a reset the same type shows its page again.
    deliver(imu_group(2, 0x4));
    view().ResetDisplay(0);
    EXPECT_FALSE(page_shown(3));
    deliver(imu_group(2, 0x4));
    EXPECT_TRUE(page_shown(3));
    EXPECT_EQ(lit(), std::set<unsigned>{33});
}

// Every type from 0 to 255: the page shows exactly for the types with a table, and a word with
// every bit but bit 0 set lights a lamp of every table (table G's two bits are shown inverted).
TEST_F(FaultsTest, EveryImuTypeShowsOrHidesThePage)
{
    for (unsigned type = 0; type <= 255; ++type) {
        deliver(imu_group(static_cast<std::uint8_t>(type), 0xFFFE));
        const bool with_table = ImuTableOfType(type).has_value();
        EXPECT_EQ(page_shown(3), with_table) << type;
        if (with_table) {
            EXPECT_EQ(page_caption(3), "*IMU") << type;
        }
    }
    const std::set<unsigned> without{0, 5, 17, 18, 22, 23, 24};
    for (unsigned type = 0; type <= 27; ++type) {
        EXPECT_EQ(ImuTableOfType(type).has_value(), !without.contains(type)) << type;
    }
}

// Every caption a table names by its string id has a text.
TEST(FaultTables, EveryStringIdHasAText)
{
    std::vector<Led_table> tables{GeneralTables().installation, PrimaryReceiverTables().single,
                                  PrimaryReceiverTables().dual, SecondaryReceiverTables().single,
                                  SecondaryReceiverTables().dual};
    for (const Led_table &level : GeneralTables().levels) {
        tables.push_back(level);
    }
    for (std::size_t i = 0; i < imu_table_count; ++i) {
        tables.push_back(ImuTable(i));
    }
    std::set<unsigned> leds;
    for (const Led_table &table : tables) {
        ASSERT_FALSE(table.empty());
        for (const SLed_entry &entry : table) {
            if (entry.text_id != 0) {
                EXPECT_FALSE(LoadText(entry.text_id).isEmpty()) << entry.text_id;
            } else {
                EXPECT_NE(entry.caption, nullptr) << entry.led;
            }
            if (table.front().led != first_imu_led) {
                EXPECT_TRUE(leds.insert(entry.led).second) << "lamp " << entry.led << " twice";
            } else {
                EXPECT_GE(entry.led, first_imu_led);
                EXPECT_LE(entry.led, last_imu_led);
            }
        }
    }
    EXPECT_EQ(ImuTable(10).front().text_id, 1564);
    EXPECT_EQ(ImuTable(10).back().text_id, 1579);
}

} // namespace
