// Every row of every table-built view of the window table, found through the table so that a view
// is tested as soon as it has its row there: a group whose item holds a value shows the text the
// row's rule gives for it, the item's "no data" and a frame that ends before the item show "N/A",
// a reset empties the row. And every row makes one window of its name, whose controls' names are
// all different.
//
// The frames are written here byte by byte at the places the records give their items, and the
// texts are worked out here from the value and the kind of rule.

#include "view_fixture.h"

#include "clipped_controls.h"
#include "controls/led_image.h"
#include "controls/value_label.h"
#include "shell/window_values.h"
#include "views/Form_table_view.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTabWidget>

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>
#include <optional>

namespace {

using frame_bytes::Bytes;
using EKind = CText_rule::EKind;

constexpr std::size_t prefix_length = 8;  // "$GRP", number, byte count
constexpr std::size_t trailer_length = 4; // checksum, "$#"
const QString on = QStringLiteral("on");
const QString off = QStringLiteral("off");
const QString not_available = QStringLiteral("N/A");

// --- values and their texts ----------------------------------------------------------------

template <class T>
Bytes bytes_of(T value)
{
    std::uint64_t bits = 0;
    if constexpr (std::is_floating_point_v<T>) {
        std::memcpy(&bits, &value, sizeof value);
    } else {
        bits = static_cast<std::uint64_t>(value);
    }
    Bytes out;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out.push_back(std::byte{static_cast<std::uint8_t>(bits >> (8 * i))});
    }
    return out;
}

// The computer's "no data": the largest value of an integer type, 1e20 for floating values.
template <class T>
T no_data()
{
    if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(1e20);
    } else {
        return std::numeric_limits<T>::max();
    }
}

// A value that differs from row to row (by the item's place) and that a wrong format would show
// differently: unsigned values above the signed range, negative signed ones, fractions.
template <class T>
T value_at(std::size_t place)
{
    const auto n = static_cast<int>(place % 100);
    if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(-1000.25 - n);
    } else if constexpr (std::is_signed_v<T>) {
        return static_cast<T>(-1 - n);
    } else if constexpr (sizeof(T) == 1) {
        return static_cast<T>(128 + n);
    } else {
        return static_cast<T>(std::numeric_limits<T>::max() - 1 - n);
    }
}

int decimals_of(const char *picture)
{
    const char *point = std::strchr(picture, '.');
    return point == nullptr ? 0 : static_cast<int>(std::strlen(point + 1));
}

template <class T>
QString text_by_rule(const CText_rule &rule, T value)
{
    if (rule.kind() == EKind::fixed) {
        return rule.fixed_text();
    }
    if (rule.kind() == EKind::picture ||
        (rule.kind() == EKind::natural && std::is_floating_point_v<T>)) {
        return QString::asprintf("%.*f", decimals_of(rule.picture_text()),
                                 static_cast<double>(value));
    }
    if constexpr (std::is_integral_v<T>) {
        const auto word = static_cast<std::uint32_t>(value);
        switch (rule.kind()) {
        case EKind::hex:
            return rule.zero_padded() ? QString::asprintf("%*.*X", rule.width(), rule.width(), word)
                                      : QString::asprintf("%*X", rule.width(), word);
        case EKind::dotted:
            return QString::asprintf("%u.%u.%u.%u", word >> 24, word >> 16 & 0xFF, word >> 8 & 0xFF,
                                     word & 0xFF);
        case EKind::words:
            for (const SWord &word_of_code : rule.word_list()) {
                if (word_of_code.code == static_cast<long long>(value)) {
                    return word_of_code.text;
                }
            }
            break;
        default:
            return std::is_unsigned_v<T> && sizeof(T) > 1
                       ? QString::asprintf("%u", word)
                       : QString::asprintf("%d", static_cast<int>(value));
        }
    }
    return QStringLiteral("(no text for this rule and type)");
}

// --- rows ----------------------------------------------------------------------------------

// What a row's item holds in the frames of this test: a value and what the row shows for it, and
// the item's "no data".
struct SSample {
    Bytes value;
    Bytes no_data;
    QString text;
};

template <class T>
std::optional<SSample> sample_as(const SView_binding &row, std::size_t place)
{
    if (dynamic_cast<const TScalar<T> *>(row.item) == nullptr) {
        return std::nullopt;
    }
    if (!row.rule) {
        const T lit = row.inverted ? T{} : static_cast<T>(row.mask);
        return SSample{bytes_of(lit), bytes_of(no_data<T>()), on};
    }
    T value = value_at<T>(place);
    const std::vector<SWord> &words = row.rule->word_list();
    if (row.rule->kind() == EKind::words && !words.empty()) {
        value = static_cast<T>(words[place % words.size()].code);
    }
    return SSample{bytes_of(value), bytes_of(no_data<T>()), text_by_rule(*row.rule, value)};
}

std::optional<SSample> sample_of(const SView_binding &row, std::size_t place)
{
    for (const auto &sample :
         {sample_as<std::uint8_t>(row, place), sample_as<std::int8_t>(row, place),
          sample_as<std::uint16_t>(row, place), sample_as<std::int16_t>(row, place),
          sample_as<std::uint32_t>(row, place), sample_as<std::int32_t>(row, place),
          sample_as<float>(row, place), sample_as<double>(row, place)}) {
        if (sample) {
            return sample;
        }
    }
    return std::nullopt;
}

std::size_t place_of(const SView_binding &row)
{
    return static_cast<std::size_t>(row.item->start() - row.record->buffer());
}

bool in_grid(const SView_binding &row)
{
    return row.row >= 0;
}

QString row_name(const SView_binding &row)
{
    const QString name = row.control->objectName();
    return in_grid(row) ? QStringLiteral("%1[%2,%3]").arg(name).arg(row.row).arg(row.column) : name;
}

// True when a label has room for `text`: it is laid out for its widest texts, and one of those is
// at least as wide.
bool has_room_for(const SView_binding &row, const QString &text)
{
    const auto *label = qobject_cast<TValueLabel *>(row.control);
    if (label == nullptr) {
        return true;
    }
    const QFontMetrics metrics(label->font());
    return std::any_of(
        label->WidestTexts().begin(), label->WidestTexts().end(), [&](const QString &widest) {
            return metrics.horizontalAdvance(widest) >= metrics.horizontalAdvance(text);
        });
}

QString shown(const SView_binding &row)
{
    if (auto *grid = qobject_cast<TValueGrid *>(row.control)) {
        return grid->Cell(row.row, row.column);
    }
    if (auto *label = qobject_cast<QLabel *>(row.control)) {
        return label->text();
    }
    return qobject_cast<CLed_image *>(row.control)->State() ? on : off;
}

// What a row shows when its group came without a value for it.
QString without_value(const SView_binding &row)
{
    if (!row.rule) {
        return off;
    }
    return row.rule->kind() == EKind::fixed ? row.rule->fixed_text() : not_available;
}

QString blank(const SView_binding &row)
{
    return row.rule ? QString() : off;
}

// --- frames --------------------------------------------------------------------------------

// What lies between the prefix and the trailer of a frame of group `number` as long as the
// record's layout: the header's tail as frame_bytes writes it, then zeros.
Bytes payload_of(const CGroup_base &record, std::uint16_t number)
{
    const Bytes empty = frame_bytes::group(number, {});
    Bytes payload(empty.begin() + prefix_length, empty.end() - trailer_length);
    payload.resize(record.size() - prefix_length - trailer_length);
    return payload;
}

void put(Bytes &payload, std::size_t place, const Bytes &bytes)
{
    std::copy(bytes.begin(), bytes.end(),
              payload.begin() + static_cast<std::ptrdiff_t>(place - prefix_length));
}

// The frame's bytes up to `end` (a multiple of 4, so that no pad follows).
Bytes cut(const Bytes &payload, std::size_t end)
{
    return Bytes(payload.begin(),
                 payload.begin() + static_cast<std::ptrdiff_t>(end - prefix_length));
}

class WindowTableTest : public CView_fixture {
protected:
    std::vector<TFormTableView *> table_views()
    {
        std::vector<TFormTableView *> views;
        for (const QString &name : windows.names()) {
            if (auto *view = dynamic_cast<TFormTableView *>(windows.window(name))) {
                views.push_back(view);
            }
        }
        return views;
    }

    // Hands the group to every window and fills the view's controls, as showing it would.
    void show_group(TFormTableView &view, std::uint16_t number, const Bytes &payload)
    {
        deliver(frame_bytes::make_frame("$GRP", number, payload));
        view.RefreshDisplay();
    }

    void check_group(TFormTableView &view, std::uint16_t number,
                     const std::vector<SView_binding> &rows);
};

void WindowTableTest::check_group(TFormTableView &view, std::uint16_t number,
                                  const std::vector<SView_binding> &rows)
{
    const CGroup_base &record = *rows.front().record;
    ASSERT_EQ(record.size() % 4, 0u) << number;
    Bytes valued = payload_of(record, number);
    Bytes without_data = valued;
    std::vector<SSample> samples;
    for (const SView_binding &row : rows) {
        const std::optional<SSample> sample = sample_of(row, place_of(row));
        ASSERT_TRUE(sample) << row_name(row).toStdString() << ": no sample for an item of kind "
                            << typeid(*row.item).name() << "; teach this test its type";
        put(valued, place_of(row), sample->value);
        put(without_data, place_of(row), sample->no_data);
        samples.push_back(*sample);
    }
    const std::string where = view.objectName().toStdString() + ", group " + std::to_string(number);

    show_group(view, number, valued);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(shown(rows[i]), samples[i].text)
            << where << ": " << row_name(rows[i]).toStdString();
        EXPECT_TRUE(has_room_for(rows[i], samples[i].text) && has_room_for(rows[i], not_available))
            << where << ": " << row_name(rows[i]).toStdString() << " is laid out too narrow";
    }
    show_group(view, number, without_data);
    for (const SView_binding &row : rows) {
        EXPECT_EQ(shown(row), without_value(row))
            << where << ", no data: " << row_name(row).toStdString();
    }

    // Cut before each item in turn: what the frame holds shows, what it does not shows "N/A".
    // A grid cell may be kept as it was by a group that does not carry its column at all.
    for (const SView_binding &cut_row : rows) {
        const std::size_t end = place_of(cut_row) / 4 * 4;
        ASSERT_GE(end, prefix_length) << row_name(cut_row).toStdString();
        view.ResetDisplay(0);
        show_group(view, number, cut(valued, end));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const bool held = place_of(rows[i]) + rows[i].item->size() <= end;
            const QString expected = held ? samples[i].text : without_value(rows[i]);
            const QString text = shown(rows[i]);
            EXPECT_TRUE(text == expected || (in_grid(rows[i]) && text == blank(rows[i])))
                << where << ", cut at " << end << ": " << row_name(rows[i]).toStdString()
                << " shows \"" << text.toStdString() << "\", not \"" << expected.toStdString()
                << "\"";
        }
    }

    show_group(view, number, valued);
    view.ResetDisplay(0);
    for (const SView_binding &row : rows) {
        EXPECT_EQ(shown(row), blank(row)) << where << ", reset: " << row_name(row).toStdString();
    }
}

TEST_F(WindowTableTest, EveryRowOfEveryViewShowsItsItemByItsRule)
{
    const std::vector<TFormTableView *> views = table_views();
    ASSERT_FALSE(views.empty()) << "the window table has table-built views";
    for (TFormTableView *view : views) {
        std::map<std::uint16_t, std::vector<SView_binding>> by_group;
        for (const SView_binding &row : view->bindings()) {
            by_group[row.group].push_back(row);
        }
        ASSERT_FALSE(by_group.empty()) << view->objectName().toStdString();
        for (const auto &[number, rows] : by_group) {
            check_group(*view, number, rows);
        }
    }
}

// Every value label of every page reads whole, whatever its rule may give, at the size the view
// opens at and at the smallest it allows.
TEST_F(WindowTableTest, EveryValueOfEveryViewFitsItsWidestText)
{
    for (TFormTableView *view : table_views()) {
        ShowView(*view);
        for (const QSize size : {view->size(), view->minimumSize()}) {
            view->resize(size);
            auto *pages = view->findChild<QTabWidget *>("PageControl1");
            for (int page = 0; page < (pages != nullptr ? pages->count() : 1); ++page) {
                if (pages != nullptr) {
                    pages->setCurrentIndex(page);
                }
                QCoreApplication::processEvents();
                EXPECT_EQ(ClippedValueLabels(*view), QStringList())
                    << view->objectName().toStdString() << " at " << size.width() << "x"
                    << size.height() << ", page " << page;
            }
        }
        view->hide();
    }
}

// The table finds a window by the name of its row: a window named otherwise would be made again
// at every look-up.
TEST_F(WindowTableTest, EveryRowMakesOneWindowOfItsName)
{
    for (const QString &name : windows.names()) {
        TFormKoruBase *made = windows.window(name);
        ASSERT_NE(made, nullptr) << name.toStdString();
        EXPECT_EQ(made->objectName(), name);
        EXPECT_EQ(windows.window(name), made) << name.toStdString();
    }
    EXPECT_EQ(windows.window("FormNowhere"), nullptr);
}

// Scripts and tests find controls by name: a name given twice in a window would reach only one.
TEST_F(WindowTableTest, NoTwoControlsOfAWindowShareAName)
{
    std::vector<QWidget *> all{form.get()};
    for (const QString &name : windows.names()) {
        all.push_back(windows.window(name));
    }
    for (QWidget *window : all) {
        const QStringList names = ControlNames(*window);
        EXPECT_FALSE(names.isEmpty()) << window->objectName().toStdString();
        QStringList repeated;
        for (const QString &name : names) {
            if (names.count(name) > 1 && !repeated.contains(name)) {
                repeated.append(name);
            }
        }
        EXPECT_EQ(repeated, QStringList()) << window->objectName().toStdString();
    }
}

} // namespace
