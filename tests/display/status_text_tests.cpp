#include "display/status_texts.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t bits(std::initializer_list<unsigned> numbers)
{
    std::uint32_t word = 0;
    for (unsigned n : numbers) {
        word |= std::uint32_t{1} << n;
    }
    return word;
}

// One row of a status table: the status words that select it, its words and its code.
struct SRow_case {
    SStatus_words status;
    std::string text;
    std::string code;
};

template <class Text>
void expect_rows(Text text_of, const std::vector<SRow_case> &rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SRow_case &row = rows[i];
        EXPECT_EQ(text_of(row.status, ETextForm::words).toStdString(), row.text) << "row " << i;
        EXPECT_EQ(text_of(row.status, ETextForm::code).toStdString(), row.code) << "row " << i;
    }
}

bool red(const QColor &colour)
{
    return colour == QColor(255, 0, 0);
}
bool black(const QColor &colour)
{
    return colour == QColor(0, 0, 0);
}

// Each case sets the bit of its row and the bits of every row below it, so that a row is only
// chosen when it comes first.
TEST(StatusTexts, NavigationStatusFirstMatchInOrder)
{
    const unsigned order[] = {1, 0, 9, 10, 6, 7, 3, 4};
    const char *texts[][2] = {{"Levelling Failed", "4"}, {"Levelling Active", "5"},
                              {"GPS Only", "10"},        {"Free Inertial", "11"},
                              {"Nav: Degraded", "6"},    {"Nav: Full", "7"},
                              {"Nav: Aligned", "8"},     {"S/D Initialised", "9"}};
    std::vector<SRow_case> rows;
    for (std::size_t i = 0; i < std::size(order); ++i) {
        SStatus_words status;
        for (std::size_t j = i; j < std::size(order); ++j) {
            status.general_a |= bits({order[j]});
        }
        rows.push_back({status, texts[i][0], texts[i][1]});
    }
    rows.push_back({{.general_a = bits({2, 5, 8, 11})}, "Navigate", "3"});
    expect_rows([](const SStatus_words &s,
                   ETextForm form) { return ModeText(EChecked_mode::navigate, s, form); },
                rows);
}

TEST(StatusTexts, ModeTextFollowsTheCheckedMode)
{
    const SStatus_words levelling_failed{.general_a = bits({1})};
    EXPECT_EQ(ModeText(EChecked_mode::standby, levelling_failed, ETextForm::words), "Standby");
    EXPECT_EQ(ModeText(EChecked_mode::standby, levelling_failed, ETextForm::code), "1");
    EXPECT_EQ(ModeText(EChecked_mode::diagnostics, levelling_failed, ETextForm::words),
              "Diagnostic");
    EXPECT_EQ(ModeText(EChecked_mode::diagnostics, levelling_failed, ETextForm::code), "2");
    EXPECT_TRUE(ModeText(EChecked_mode::none, levelling_failed, ETextForm::words).isEmpty());
    EXPECT_TRUE(ModeText(EChecked_mode::none, levelling_failed, ETextForm::code).isEmpty());

    EXPECT_TRUE(red(ModeColour({.general_a = bits({10})})));
    EXPECT_TRUE(black(ModeColour({.general_a = bits({0, 1, 9})})));
}

TEST(StatusTexts, ImuStatusFirstMatchInOrder)
{
    const std::uint32_t every_fault = bits({0, 1, 2});
    expect_rows(ImuStatusText,
                {
                    {{.general_a = bits({9}), .fdir_level_1 = every_fault}, "Failure", "1"},
                    // In GPS-only mode only the IMU status bit counts.
                    {{.general_a = bits({9}),
                      .fdir_level_1 = bits({0, 2}),
                      .fdir_level_2 = bits({0}),
                      .fdir_level_5 = 0x3F},
                     "Ok",
                     "3"},
                    {{.fdir_level_1 = bits({0, 2}), .fdir_level_2 = bits({0})}, "Failure", "1"},
                    {{.fdir_level_1 = bits({1})}, "Failure", "1"},
                    {{.fdir_level_1 = bits({2}), .fdir_level_2 = bits({0})}, "Failure", "1"},
                    {{.fdir_level_1 = bits({2}), .fdir_level_5 = 0x3F}, "Warning", "2"},
                    {{.fdir_level_5 = bits({5})}, "Warning", "2"},
                    {{.fdir_level_5 = bits({0})}, "Warning", "2"},
                    {{.fdir_level_1 = bits({3, 4}), .fdir_level_5 = bits({6, 7})}, "Ok", "3"},
                });
    EXPECT_EQ(ImuNotFittedText(ETextForm::words), "N/A");
    EXPECT_EQ(ImuNotFittedText(ETextForm::code), "4");
}

TEST(StatusTexts, ImuColourIsRedForFailuresOnly)
{
    EXPECT_TRUE(red(ImuStatusColour({.fdir_level_1 = bits({0})})));
    EXPECT_TRUE(red(ImuStatusColour({.fdir_level_1 = bits({1})})));
    EXPECT_TRUE(red(ImuStatusColour({.fdir_level_2 = bits({0})})));
    EXPECT_TRUE(red(ImuStatusColour({.general_a = bits({9}), .fdir_level_1 = bits({0})})));
    EXPECT_TRUE(black(ImuStatusColour({.fdir_level_1 = bits({2}), .fdir_level_5 = 0x3F})));
}

TEST(StatusTexts, GnssStatusFirstMatchInOrder)
{
    const std::uint32_t primary_modes = bits({18, 19, 20, 21, 22, 31});
    const std::uint32_t aux_modes = bits({26, 27, 28, 29, 30});
    const std::uint32_t aux = bits({25});
    const std::uint32_t not_ready = bits({5, 12, 13, 14, 15});
    expect_rows(
        GnssStatusText,
        {
            {{.general_b = primary_modes,
              .fdir_level_1 = bits({6, 7, 8}) | not_ready,
              .fdir_level_2 = bits({1, 2})},
             "Not Available",
             "4"},
            {{.fdir_level_1 = bits({7, 8}) | not_ready, .fdir_level_2 = bits({1})}, "Failure", "2"},
            {{.fdir_level_2 = bits({2})}, "Failure", "2"},
            {{.fdir_level_1 = bits({5, 7, 8})}, "Not Ready", "3"},
            {{.fdir_level_1 = bits({12})}, "Not Ready", "3"},
            {{.fdir_level_1 = bits({15})}, "Not Ready", "3"},
            {{.general_b = primary_modes, .fdir_level_1 = bits({7, 8})}, "Data Gap", "5"},
            {{.general_b = primary_modes, .fdir_level_1 = bits({8})}, "Time Gap", "6"},
            // The primary receiver's solution.
            {{.general_b = primary_modes | aux_modes, .fdir_level_1 = bits({25})}, "P-Code", "19"},
            {{.general_b = bits({18, 19, 20, 21, 22})}, "NL RTK", "19"},
            {{.general_b = bits({18, 19, 20, 21})}, "WL RTK", "18"},
            {{.general_b = bits({18, 19, 20})}, "Float RTK", "17"},
            {{.general_b = bits({18, 19})}, "DGPS", "7"},
            {{.general_b = bits({18})}, "C/A", "8"},
            {{.general_b = aux_modes, .fdir_level_1 = bits({25})}, "Waiting", "1"},
            // The auxiliary receiver's solution.
            {{.general_b = aux | aux_modes | primary_modes, .fdir_level_1 = bits({25})},
             "Aux. Data Gap",
             "10"},
            {{.general_b = aux | aux_modes | primary_modes}, "Aux. NL RTK", "11"},
            {{.general_b = aux | bits({26, 27, 28, 29})}, "Aux. WL RTK", "12"},
            {{.general_b = aux | bits({26, 27, 28})}, "Aux. Float RTK", "13"},
            {{.general_b = aux | bits({26, 27})}, "Aux. DGPS", "14"},
            {{.general_b = aux | bits({26})}, "Aux. P-Code", "16"},
            {{.general_b = aux | primary_modes}, "Aux. C/A", "15"},
        });
}

TEST(StatusTexts, GnssColourAndOmniStarSuffix)
{
    EXPECT_TRUE(black(GnssStatusColour({.fdir_level_1 = bits({6}), .fdir_level_2 = bits({1})})));
    EXPECT_TRUE(red(GnssStatusColour({.fdir_level_2 = bits({1})})));
    EXPECT_TRUE(red(GnssStatusColour({.fdir_level_2 = bits({2})})));
    EXPECT_TRUE(black(GnssStatusColour({.fdir_level_1 = bits({5, 7, 8})})));

    EXPECT_EQ(OmniStarSuffix({.general_c = bits({7, 8, 9})}), " HP");
    EXPECT_EQ(OmniStarSuffix({.general_c = bits({7, 8})}), " XP");
    EXPECT_EQ(OmniStarSuffix({.general_c = bits({7})}), " VBS");
    EXPECT_EQ(OmniStarSuffix({.general_c = bits({0, 1, 6, 10})}), " ");
}

TEST(StatusTexts, GimbalStatusFirstMatchInOrder)
{
    expect_rows(GimbalStatusText,
                {
                    {{.general_c = bits({1}), .fdir_level_1 = bits({27})}, "Off", "4"},
                    {{.general_c = bits({0, 1}), .fdir_level_1 = bits({27})}, "On: Data Gap", "2"},
                    {{.general_c = bits({0, 1})}, "On: Ok", "1"},
                    {{.general_c = bits({0})}, "On: Not in Use", "3"},
                });
    EXPECT_TRUE(black(GimbalStatusColour({.general_c = bits({1}), .fdir_level_1 = bits({27})})));
    EXPECT_TRUE(red(GimbalStatusColour({.general_c = bits({0, 1}), .fdir_level_1 = bits({27})})));
    EXPECT_TRUE(red(GimbalStatusColour({.general_c = bits({0})})));
    EXPECT_TRUE(black(GimbalStatusColour({.general_c = bits({0, 1})})));
}

TEST(StatusTexts, PcCardStatusFirstMatchInOrder)
{
    expect_rows(PcCardStatusText,
                {
                    {{.general_a = bits({12, 13, 14, 15})}, "PC Card: Device Full", "1"},
                    {{.general_a = bits({12, 13, 14})}, "PC Card: Write Error", "2"},
                    {{.general_a = bits({13, 14})}, "PC Card: Writing", "3"},
                    {{.general_a = bits({14})}, "PC Card: Buffering", "4"},
                    {{.general_a = bits({13})}, "PC Card: Invalid", "6"},
                    {{.general_a = bits({0, 11, 16})}, "PC Card: Idle", "5"},
                });
    EXPECT_TRUE(red(PcCardStatusColour({.general_a = bits({12})})));
    EXPECT_TRUE(black(PcCardStatusColour({.general_a = bits({13, 14, 15})})));
}

} // namespace
