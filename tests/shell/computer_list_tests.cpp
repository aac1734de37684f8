// The list of computers to choose from: at most 32, no duplicates, no address 0.

#include "shell/computer_list.h"

#include <gtest/gtest.h>

namespace {

TEST(ComputerList, AddressesAreListedOnceAndZeroNever)
{
    CComputer_list list([](std::size_t) { return std::size_t{0}; });
    EXPECT_EQ(list.add(0, std::nullopt).how, CComputer_list::EAdded::refused);
    EXPECT_EQ(list.add(0x7F000002, std::nullopt).how, CComputer_list::EAdded::appended);
    const auto again = list.add(0x7F000002, 0);
    EXPECT_EQ(again.how, CComputer_list::EAdded::known);
    EXPECT_EQ(again.index, 0u);
    EXPECT_EQ(list.size(), 1u);
}

TEST(ComputerList, TheThirtyThirdReplacesARandomEntryButNeverTheSelectedOne)
{
    std::size_t draw = 0;
    std::size_t choices_offered = 0;
    CComputer_list list([&](std::size_t choices) {
        choices_offered = choices;
        return draw;
    });
    for (std::uint32_t host = 1; host <= 32; ++host) {
        ASSERT_EQ(list.add(0x0A000000 + host, 5).how, CComputer_list::EAdded::appended);
    }
    draw = 5; // would land on the selected entry: steps over it
    const auto replaced = list.add(0x0B000001, 5);
    EXPECT_EQ(replaced.how, CComputer_list::EAdded::replaced);
    EXPECT_EQ(replaced.index, 6u);
    EXPECT_EQ(choices_offered, 31u);
    EXPECT_EQ(list.address(5), 0x0A000006u) << "the selected computer stays";
    EXPECT_EQ(list.size(), 32u);

    draw = 30;
    EXPECT_EQ(list.add(0x0B000002, 5).index, 31u) << "the last slot can be drawn";
    draw = 0;
    EXPECT_EQ(list.add(0x0B000003, std::nullopt).index, 0u) << "nothing selected: any slot";
}

} // namespace
