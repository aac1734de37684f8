#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(StringTable, TextsAreTheSystemsOwnByteForByte)
{
    EXPECT_EQ(string_text(10000), "[0] Network Socket Error");
    EXPECT_EQ(string_text(10039), "[10039] Destination address required\nConnection Aborted");
    EXPECT_EQ(string_text(11003), "[11003] Non-Recoverable errors: FORMERR, REFUSED, NOTIMP");
    EXPECT_EQ(string_text(12016),
              "KORU configuration has changed.\nSave configuration before disconnecting?");
    EXPECT_EQ(string_text(12012), " Error");
    EXPECT_EQ(string_text(12638), "Fee Inertial cleared");
    EXPECT_EQ(string_text(13500),
              "Address is invalid!\n\nGiven an address: A.B.C.D,\nA must be between 1 and 255 "
              "inclusive,\nB and C must be between 0 and 255 inclusive, and\nD must be between 0 "
              "and 254 inclusive.");
    EXPECT_EQ(string_text(14026), "Group 101 is NOT selected.\n\nGroup 101 is required for "
                                  "Post-processing.\nDo you want to enable Group 101?");
    EXPECT_EQ(string_text(14128), "19");
    EXPECT_EQ(string_text(14200), "N/A");
    EXPECT_EQ(string_text(14631), " GPS");
    EXPECT_EQ(string_text(15163), "Overheat Detection");
    EXPECT_EQ(string_text(1571), "Gyro Timeout (Data,Reset,IBIT)");
}

TEST(StringTable, UnknownNumbersHaveNoText)
{
    for (int id : {10001, 0, -1, 12002, 14118, 16000, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(find_string(id).has_value()) << id;
        EXPECT_TRUE(string_text(id).empty()) << id;
    }
    ASSERT_TRUE(find_string(12505).has_value());
    EXPECT_EQ(*find_string(12505), "N/A");
}

TEST(StringTable, EverySocketErrorTextBeginsWithItsCode)
{
    int count = 0;
    for (int code = 10001; code < 11100; ++code) {
        if (const auto text = find_string(code)) {
            ++count;
            EXPECT_EQ(text->substr(0, 7), "[" + std::to_string(code) + "]");
        }
    }
    EXPECT_EQ(count, 50);
}

TEST(StringTable, StatusCodesAreDecimalNumbers)
{
    for (int id = 14080; id <= 14133; ++id) {
        if (const auto text = find_string(id)) {
            EXPECT_FALSE(text->empty()) << id;
            EXPECT_EQ(text->find_first_not_of("0123456789"), std::string_view::npos) << id;
        }
    }
}

TEST(StringIds, SocketErrorsBelowTheFirstReadAsTheFirst)
{
    EXPECT_EQ(string_id::socket_error(0), 10000);
    EXPECT_EQ(string_id::socket_error(9999), 10000);
    EXPECT_EQ(string_id::socket_error(-5), 10000);
    EXPECT_EQ(string_id::socket_error(10061), 10061);
    EXPECT_EQ(string_text(string_id::socket_error(10061)), "[10061] Connection refused");
    EXPECT_TRUE(string_text(string_id::socket_error(10001)).empty());
}

TEST(StringIds, ResponseCodesUpToTwelveHaveTexts)
{
    EXPECT_EQ(string_text(*string_id::response(0)), "N/A");
    EXPECT_EQ(string_text(*string_id::response(3)), "Message Accepted, but too Short");
    EXPECT_EQ(string_text(*string_id::response(9)), "Byte Count Error");
    EXPECT_EQ(string_text(*string_id::response(12)), "Password Incorrect");
    EXPECT_FALSE(string_id::response(13).has_value());
    EXPECT_FALSE(string_id::response(-1).has_value());
    EXPECT_EQ(string_text(string_id::yes), "Yes");
    EXPECT_EQ(string_text(string_id::no), "No");
}

} // namespace
