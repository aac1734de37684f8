// The integrated navigator's status view: which caption shows which item of the four task groups
// (written here in wire order), what a group of one task leaves of the others, the "Data" column
// that only long groups carry, the computer's "no data", filling while hidden and shown, and
// values greyed while the data is stale.

#include "view_fixture.h"

#include "controls/value_grid.h"
#include "controls/value_label.h"
#include "test_windows.h"
#include "views/Form_iin_status.h"

#include <QTabWidget>

#include <cmath>

namespace {

using frame_bytes::Bytes;

constexpr std::size_t header_tail = 26; // times, distance and types after the prefix
constexpr std::size_t trailer_length = 4;
constexpr int data_count = 10;

enum class EWire { u8, u32, i32, f64 };

// An item of a task group, in wire order, and the value label that shows it.
struct SField {
    EWire wire;
    const char *label;
};

// A task group: its number, its items before the ten "Data" values, and the grid column of those.
struct STask {
    std::uint16_t number;
    int column;
    std::vector<SField> fields;
};

const std::vector<STask> tasks = {
    {20106,
     0,
     {{EWire::u32, "IINGeneralStatusFileOpen"},
      {EWire::u32, "IINGeneralStatusIINRuns"},
      {EWire::u32, "IINGeneralStatusIINRestarts"},
      {EWire::u8, "IINGeneralStatusSNVDataStatus"},
      {EWire::u32, "IINGeneralStatusSDNAVRuns"},
      {EWire::u32, "IINGeneralStatusErrorControlRuns"},
      {EWire::u32, "IINMessagesReceivedGPS"},
      {EWire::u32, "IINMessagesReceivedIMU"},
      {EWire::u32, "IINMessagesReceivedIINExtrapolate"},
      {EWire::u32, "IINMessagesReceivedIINUpdate"},
      {EWire::u32, "IINMessagesReceivedBadIMUData"},
      {EWire::u32, "IINMessagesReceivedInputManger"},
      {EWire::u32, "IINMessagesReceivedIMgrMessagesRejected"},
      {EWire::u32, "IINProxiesIMUProxiesQueued"},
      {EWire::u32, "IINProxiesIMUProxyExceptions"},
      {EWire::i32, "IINGeneralStatusMPAStatus"},
      {EWire::u32, "IINMiscellaneousError1"},
      {EWire::u32, "IINMiscellaneousError2"},
      {EWire::u32, "IINMiscellaneousError3"}}},
    {20107,
     1,
     {{EWire::u32, "UpdateGeneralStatusFileOpen"},
      {EWire::u32, "UpdateGeneralStatusIINUpdateRuns"},
      {EWire::u32, "UpdateMessagesReceivedIINPrefilter"},
      {EWire::u32, "UpdateMessagesReceivedIINExtrapolate"},
      {EWire::u32, "UpdateProxiesPrefilterProxiesQueued"},
      {EWire::u32, "UpdateProxiesExtrapProxyExceptions"},
      {EWire::u32, "UpdateMessagesReceivedIINMode"},
      {EWire::u8, "UpdateGeneralStatusIINMode"},
      {EWire::i32, "UpdateGeneralStatusMPAStatus"},
      {EWire::u32, "UpdateMiscellaneousError1"},
      {EWire::u32, "UpdateMiscellaneousError2"},
      {EWire::u32, "UpdateMiscellaneousError3"}}},
    {20108,
     2,
     {{EWire::u32, "PrefilterGeneralStatusFileOpen"},
      {EWire::u32, "PrefilterGeneralStatusIINPrefilterRuns"},
      {EWire::u32, "PrefilterMessagesReceivedIIN"},
      {EWire::u32, "PrefilterMessagesReceivedIINUpdate"},
      {EWire::u32, "PrefilterProxiesIINProxiesQueued"},
      {EWire::u32, "PrefilterProxiesIINProxyExceptions"},
      {EWire::u8, "PrefilterMessagesReceivedInputManger"},
      {EWire::u8, "PrefilterMessagesReceivedIMgrMessagesRejected"},
      {EWire::u32, "PrefilterMessagesReceivedTWANDelayed"},
      {EWire::u32, "PrefilterMessagesReceivedAuxGPSDelayed"},
      {EWire::u32, "PrefilterMessagesReceivedIINMode"},
      {EWire::i32, "PrefilterGeneralStatusMPAStatus"},
      {EWire::u32, "PrefilterMiscellaneousError1"},
      {EWire::u32, "PrefilterMiscellaneousError2"},
      {EWire::u32, "PrefilterMiscellaneousError3"}}},
    {20109,
     3,
     {{EWire::u32, "ExtrapolateGeneralStatusFileOpen"},
      {EWire::u32, "ExtrapolateGeneralStatusIINExtrapRuns"},
      {EWire::u32, "ExtrapolateMessagesReceivedIINPrefilter"},
      {EWire::u32, "ExtrapolateMessagesReceivedIINUpdate"},
      {EWire::u32, "ExtrapolateProxiesPrefilterProxiesQueued"},
      {EWire::u32, "ExtrapolateProxiesUpdateProxiesQueued"},
      {EWire::u32, "ExtrapolateMessagesReceivedIINMode"},
      {EWire::f64, "ExtrapolateTimingXMinusTime"},
      {EWire::f64, "ExtrapolateTimingDxTime"},
      {EWire::i32, "ExtrapolateGeneralStatusMPAStatus"},
      {EWire::u32, "ExtrapolateMiscellaneousError1"},
      {EWire::u32, "ExtrapolateMiscellaneousError2"},
      {EWire::u32, "ExtrapolateMiscellaneousError1Count"}}},
};

const STask &task_of(std::uint16_t number)
{
    return *std::find_if(tasks.begin(), tasks.end(),
                         [number](const STask &task) { return task.number == number; });
}

// What a group of a task holds: a value per item (each fits a double exactly) and its "Data".
struct SValues {
    std::vector<double> fields;
    std::vector<double> data;
};

// Values that differ from task to task and from `seed` to seed, unsigned ones above the signed
// range and signed ones negative, so that a wrong format shows.
SValues values_of(const STask &task, int seed)
{
    SValues values;
    const int base = 100 * seed + 20 * task.column;
    for (std::size_t i = 0; i < task.fields.size(); ++i) {
        const int n = base + static_cast<int>(i);
        switch (task.fields[i].wire) {
        case EWire::u8:
            values.fields.push_back(128 + n % 120);
            break;
        case EWire::u32:
            values.fields.push_back(4000000000.0 + n);
            break;
        case EWire::i32:
            values.fields.push_back(-1 - n);
            break;
        case EWire::f64:
            values.fields.push_back(n + 0.25);
            break;
        }
    }
    for (int k = 0; k < data_count; ++k) {
        values.data.push_back(base + k + 0.5);
    }
    return values;
}

// The group, with as many "Data" values as `values` has.
Bytes frame_of(const STask &task, const SValues &values)
{
    Bytes body;
    for (std::size_t i = 0; i < task.fields.size(); ++i) {
        const double value = values.fields[i];
        switch (task.fields[i].wire) {
        case EWire::u8:
            frame_bytes::put_u8(body, static_cast<std::uint8_t>(value));
            break;
        case EWire::u32:
            frame_bytes::put_u32(body, static_cast<std::uint32_t>(value));
            break;
        case EWire::i32:
            frame_bytes::put_u32(body,
                                 static_cast<std::uint32_t>(static_cast<std::int32_t>(value)));
            break;
        case EWire::f64:
            frame_bytes::put_f64(body, value);
            break;
        }
    }
    for (const double value : values.data) {
        frame_bytes::put_f64(body, value);
    }
    return frame_bytes::group(task.number, body);
}

// The group cut to `byte_count` (a multiple of 4, so that no pad follows).
Bytes frame_with_byte_count(const STask &task, const SValues &values, std::size_t byte_count)
{
    const Bytes whole = frame_of(task, values);
    const std::size_t body_start = frame::prefix_length + header_tail;
    const std::size_t body_length = byte_count - header_tail - trailer_length;
    return frame_bytes::group(
        task.number, Bytes(whole.begin() + static_cast<std::ptrdiff_t>(body_start),
                           whole.begin() + static_cast<std::ptrdiff_t>(body_start + body_length)));
}

QString text_of(EWire wire, double value)
{
    switch (wire) {
    case EWire::u32:
        return QString::asprintf("%u", static_cast<unsigned>(value));
    case EWire::f64:
        return QString::asprintf("%.6f", value);
    default:
        return QString::asprintf("%d", static_cast<int>(value));
    }
}

class IinStatusTest : public CView_fixture {
protected:
    QString label(const char *name) const
    {
        const auto *shown = view.findChild<TValueLabel *>(name);
        return shown != nullptr ? shown->text() : QStringLiteral("(no label %1)").arg(name);
    }
    QString cell(int row, int column) const { return data_grid().Cell(row, column); }
    TValueGrid &data_grid() const { return *view.findChild<TValueGrid *>("Data"); }

    // Hands the group on and fills the labels, as showing the view would.
    void show_group(const Bytes &frame)
    {
        deliver(frame);
        view.RefreshDisplay();
    }

    // Lets the time of a few fillings at the screen's pace go by.
    static void wait_past_a_fill() { QTest::qWait(3 * 1000 / CDisplay_pace::fills_per_second); }

    // Every label of the task's page shows `values`; its column shows `data` (empty: blank cells).
    void expect_page(const STask &task, const SValues &values, const std::vector<double> &data)
    {
        for (std::size_t i = 0; i < task.fields.size(); ++i) {
            EXPECT_EQ(label(task.fields[i].label), text_of(task.fields[i].wire, values.fields[i]))
                << task.fields[i].label;
        }
        expect_column(task, data);
    }
    void expect_column(const STask &task, const std::vector<double> &data)
    {
        for (int k = 0; k < data_count; ++k) {
            const QString expected =
                data.empty() ? QString() : text_of(EWire::f64, data[static_cast<std::size_t>(k)]);
            EXPECT_EQ(cell(k + 1, task.column), expected) << task.number << " row " << k + 1;
        }
    }
    void expect_design_page(const STask &task)
    {
        for (const SField &field : task.fields) {
            EXPECT_EQ(label(field.label), "0") << field.label;
        }
        expect_column(task, {});
    }

    TFormIinStatus &view = windows.window_of<TFormIinStatus>("FormIinStatus");
};

TEST_F(IinStatusTest, BeforeAnyGroupTheLabelsShowZeroAndTheGridOnlyItsTitles)
{
    ShowView(view);
    EXPECT_EQ(view.windowTitle(), "Integrated Navigator Status");
    const auto *pages = view.findChild<QTabWidget *>("PageControl1");
    ASSERT_NE(pages, nullptr);
    QStringList titles;
    for (int page = 0; page < pages->count(); ++page) {
        titles.append(pages->tabText(page));
    }
    EXPECT_EQ(titles, (QStringList{"IIN", "Update", "Prefilter", "Extrapolate"}));
    EXPECT_EQ(data_grid().rowCount(), 1 + data_count);
    EXPECT_EQ(data_grid().columnCount(), 4);
    for (const STask &task : tasks) {
        expect_design_page(task);
    }
    EXPECT_EQ((QStringList{cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3)}),
              (QStringList{"IIN", "Update", "Prefilter", "Extrap"}));
}

// Each group fills its own page and column only: the pages of groups not yet received keep "0",
// and those received before keep their values.
TEST_F(IinStatusTest, EachGroupFillsItsOwnPageAndColumnOnly)
{
    for (std::size_t received = 0; received < tasks.size(); ++received) {
        show_group(frame_of(tasks[received], values_of(tasks[received], 1)));
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            if (i <= received) {
                const SValues values = values_of(tasks[i], 1);
                expect_page(tasks[i], values, values.data);
            } else {
                expect_design_page(tasks[i]);
            }
        }
    }
    const STask &iin = task_of(20106);
    const SValues newer = values_of(iin, 2);
    show_group(frame_of(iin, newer));
    expect_page(iin, newer, newer.data);
    const SValues update = values_of(task_of(20107), 1);
    expect_page(task_of(20107), update, update.data);
}

// A frame is a multiple of 4 bytes long, so 108 and 112 are the byte counts either side of 110 on
// the wire; the rule itself is checked at 110 and 111 on a record.
TEST_F(IinStatusTest, TheDataColumnFollowsOnlyGroupsOfMoreThan110Bytes)
{
    std::array<std::byte, CGroup_buffer::buffer_size> buffer{};
    CGroup20109 record(buffer.data(), buffer.size());
    record.header().byte_count().set(110);
    EXPECT_FALSE(record.carries_data());
    record.header().byte_count().set(111);
    EXPECT_TRUE(record.carries_data());

    const STask &extrapolate = task_of(20109);
    const SValues long_form = values_of(extrapolate, 1);
    show_group(frame_of(extrapolate, long_form));
    expect_page(extrapolate, long_form, long_form.data);

    SValues short_form = values_of(extrapolate, 2);
    short_form.data.clear();
    show_group(frame_of(extrapolate, short_form));
    expect_page(extrapolate, short_form, long_form.data);

    // 108 bytes hold the first two "Data" values, and still do not count as the long form.
    const SValues two_values = values_of(extrapolate, 3);
    show_group(frame_with_byte_count(extrapolate, two_values, 108));
    expect_page(extrapolate, two_values, long_form.data);

    // 112 bytes count: the two values held show, the rest is "N/A", not what the earlier frames
    // left in their place.
    const SValues longer = values_of(extrapolate, 4);
    show_group(frame_with_byte_count(extrapolate, longer, 112));
    for (int k = 0; k < data_count; ++k) {
        EXPECT_EQ(cell(k + 1, extrapolate.column),
                  k < 2 ? text_of(EWire::f64, longer.data[static_cast<std::size_t>(k)]) : "N/A")
            << "row " << k + 1;
    }
}

TEST_F(IinStatusTest, TheComputersNoDataShowsNA)
{
    const STask &iin = task_of(20106);
    SValues values = values_of(iin, 1);
    values.fields[3] = 255;         // SNV data status
    values.fields[15] = 0x7FFFFFFF; // MPA status
    values.data[0] = 1e20;
    values.data[1] = 1.5;
    values.data[2] = -1e21;
    values.data[3] = std::nan("");
    show_group(frame_of(iin, values));
    EXPECT_EQ(label("IINGeneralStatusSNVDataStatus"), "N/A");
    EXPECT_EQ(label("IINGeneralStatusMPAStatus"), "N/A");
    EXPECT_EQ((QStringList{cell(1, 0), cell(2, 0), cell(3, 0), cell(4, 0)}),
              (QStringList{"N/A", "1.500000", "N/A", "N/A"}));

    values.fields[3] = 254;
    values.fields[15] = -5;
    show_group(frame_of(iin, values));
    EXPECT_EQ(label("IINGeneralStatusSNVDataStatus"), "254");
    EXPECT_EQ(label("IINGeneralStatusMPAStatus"), "-5");
}

TEST_F(IinStatusTest, GroupsOfOtherNumbersLeaveTheViewUntouched)
{
    const STask &prefilter = task_of(20108);
    const SValues values = values_of(prefilter, 1);
    show_group(frame_of(prefilter, values));
    EXPECT_TRUE(view.UpdateFromGroup(0)) << "the group just received is one the view shows";

    STask other = prefilter;
    other.number = 20110;
    show_group(frame_of(other, values_of(other, 2)));
    EXPECT_FALSE(view.UpdateFromGroup(0));
    expect_page(prefilter, values, values.data);
}

// While hidden the view takes its groups without filling a label; showing it fills them from the
// newest, and while shown a run of groups ends with the newest values on screen.
TEST_F(IinStatusTest, LabelsAreFilledFromTheNewestGroupWhileTheViewIsShown)
{
    const STask &update = task_of(20107);
    deliver(frame_of(update, values_of(update, 1)));
    deliver(frame_of(update, values_of(update, 2)));
    wait_past_a_fill();
    expect_design_page(update);

    ShowView(view);
    const SValues newest_hidden = values_of(update, 2);
    expect_page(update, newest_hidden, newest_hidden.data);

    for (int seed = 3; seed <= 40; ++seed) {
        deliver(frame_of(update, values_of(update, seed)));
    }
    const SValues newest = values_of(update, 40);
    ASSERT_TRUE(WaitFor([&] {
        return label("UpdateGeneralStatusIINUpdateRuns") == text_of(EWire::u32, newest.fields[1]);
    }));
    expect_page(update, newest, newest.data);

    view.hide();
    deliver(frame_of(update, values_of(update, 41)));
    wait_past_a_fill();
    expect_page(update, newest, newest.data);
    view.RefreshDisplay();
    const SValues refreshed = values_of(update, 41);
    expect_page(update, refreshed, refreshed.data);
}

TEST_F(IinStatusTest, ValuesAreGreyWhileTheMainWindowSaysTheDataIsStale)
{
    const STask &iin = task_of(20106);
    show_group(frame_of(iin, values_of(iin, 1)));
    const QList<TValueLabel *> labels = view.findChildren<TValueLabel *>();
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_FALSE(labels.front()->Stale());

    form->set_watchdog_interval(100);
    ASSERT_TRUE(WaitFor([&] { return labels.front()->Stale(); }));
    for (const TValueLabel *shown : labels) {
        EXPECT_TRUE(shown->Stale()) << shown->objectName().toStdString();
    }
    EXPECT_TRUE(data_grid().Stale());

    show_group(frame_of(iin, values_of(iin, 2)));
    for (const TValueLabel *shown : labels) {
        EXPECT_FALSE(shown->Stale()) << shown->objectName().toStdString();
    }
    EXPECT_FALSE(data_grid().Stale());
}

} // namespace
