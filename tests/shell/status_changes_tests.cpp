// The message log's reading of status words: which lines, in which order, and the TWAN solution
// that must be missing for six Group 101 in a row before its loss is logged.

#include "shell/status_changes.h"

#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t bit(unsigned number)
{
    return std::uint32_t{1} << number;
}

class StatusChangesTest : public ::testing::Test {
protected:
    // The texts of the lines for `words`.
    std::vector<std::string> lines(const SStatus_words &words)
    {
        changes.update(words, texts);
        std::vector<std::string> out;
        for (const int text : texts) {
            out.emplace_back(string_text(text));
        }
        return out;
    }

    SStatus_words with(std::uint32_t SStatus_words::*word, std::uint32_t value)
    {
        SStatus_words words;
        words.*word = value;
        return words;
    }

    CStatus_changes changes;
    std::vector<int> texts;
};

using Lines = std::vector<std::string>;

TEST_F(StatusChangesTest, SeveralBitsOfSeveralWordsGiveOneLineEachInTableOrder)
{
    SStatus_words words;
    words.general_a = bit(0) | bit(7) | bit(17);
    words.general_c = bit(6);
    words.fdir_level_1 = bit(9) | bit(8);
    words.fdir_level_3 = bit(0);
    words.fdir_level_5 = bit(7);
    EXPECT_EQ(
        lines(words),
        (Lines{"Coarse levelling active", "Full navigation set", "NVM write successful",
               "User logout", "PPS time gap", "Time Recovery message NOT received",
               "Pri-Aux GPS difference of position exceeds limits", "Bad GPS lever arm error"}));
    EXPECT_TRUE(lines(words).empty()) << "nothing changed";

    words.general_a = bit(7);
    words.general_c = 0;
    EXPECT_EQ(lines(words), (Lines{"Coarse levelling complete", "User login"}))
        << "bit 17 clearing adds nothing";
}

TEST_F(StatusChangesTest, TextsAreTheSystemsOwn)
{
    lines(with(&SStatus_words::general_a, bit(10)));
    EXPECT_EQ(lines(with(&SStatus_words::general_a, 0)), Lines{"Fee Inertial cleared"});
    EXPECT_EQ(lines(with(&SStatus_words::general_b, bit(8))),
              Lines{"TWAN installation parameters valid"});
    EXPECT_EQ(lines(with(&SStatus_words::general_b, 0)),
              Lines{"TWAN installation parameters NOT valid"});
}

TEST_F(StatusChangesTest, EveryBitOfEveryWordHasTextsInTheTable)
{
    constexpr std::uint32_t ones = 0xFFFFFFFFu;
    const SStatus_words all{ones, ones, ones, ones, ones, ones, ones, ones};
    changes.update(all, texts);
    const std::size_t set_lines = texts.size();
    for (const int text : texts) {
        EXPECT_FALSE(string_text(text).empty()) << text;
    }
    changes.update(SStatus_words{}, texts);
    for (const int text : texts) {
        EXPECT_FALSE(string_text(text).empty()) << text;
    }
    EXPECT_EQ(set_lines, 90u) << "one line for each row that has a text for a set bit";
}

TEST_F(StatusChangesTest, PrimaryGnssModesSayWhenNoneIsLeft)
{
    lines(with(&SStatus_words::general_b, bit(18)));
    EXPECT_EQ(lines(with(&SStatus_words::general_b, bit(19))),
              Lines{"Primary GPS mode: Differential"});
    EXPECT_EQ(lines(with(&SStatus_words::general_b, bit(31))), Lines{"Primary GPS mode: P-Code"});
    EXPECT_EQ(lines(with(&SStatus_words::general_b, 0)), Lines{"No Primary GPS Data"});
}

TEST_F(StatusChangesTest, LostTwanSolutionIsLoggedAfterSixGroupsWithoutIt)
{
    const SStatus_words in_use = with(&SStatus_words::general_b, bit(9));
    const SStatus_words lost = with(&SStatus_words::general_b, 0);
    EXPECT_EQ(lines(in_use), Lines{"TWAN solution in use"});
    for (int group = 1; group <= 5; ++group) {
        EXPECT_TRUE(lines(lost).empty()) << group;
    }
    EXPECT_TRUE(lines(in_use).empty()) << "back before the sixth: nothing happened";

    for (int group = 1; group <= 5; ++group) {
        EXPECT_TRUE(lines(lost).empty()) << group;
    }
    EXPECT_EQ(lines(lost), Lines{"TWAN solution NOT in use"});
    EXPECT_TRUE(lines(lost).empty()) << "logged once";
    EXPECT_EQ(lines(in_use), Lines{"TWAN solution in use"});
}

TEST_F(StatusChangesTest, ResetForgetsThePreviousWords)
{
    lines(with(&SStatus_words::fdir_level_4, bit(2)));
    changes.reset();
    EXPECT_EQ(lines(with(&SStatus_words::fdir_level_4, bit(2))), Lines{"TWAN heading rejected"});
}

} // namespace
