// The item model: wire widths and byte order, validity, layout, bits and text fields.

#include "protocol/item.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

std::uint8_t byte_at(const std::array<std::byte, 256> &buffer, std::size_t offset)
{
    return std::to_integer<std::uint8_t>(buffer[offset]);
}

class ItemTest : public ::testing::Test {
protected:
    std::array<std::byte, 256> buffer{};
    CComposite_item root{buffer.data(), "Root"};
};

TEST_F(ItemTest, ScalarsAreLaidOutBackToBackLittleEndian)
{
    auto *a = new TScalar<std::uint8_t>(&root, "A", 0x11);
    auto *b = new TScalar<std::uint16_t>(&root, "B", 0x2233);
    auto *c = new TScalar<std::int32_t>(&root, "C", -2);
    auto *d = new TScalar<float>(&root, "D", 1.0f);

    EXPECT_EQ(a->start(), buffer.data());
    EXPECT_EQ(b->start(), buffer.data() + 1);
    EXPECT_EQ(c->start(), buffer.data() + 3);
    EXPECT_EQ(d->start(), buffer.data() + 7);
    EXPECT_EQ(root.end(), buffer.data() + 11);
    EXPECT_EQ(root.size(), 11u);

    EXPECT_EQ(byte_at(buffer, 0), 0x11);
    EXPECT_EQ(byte_at(buffer, 1), 0x33);
    EXPECT_EQ(byte_at(buffer, 2), 0x22);
    // -2 as a four-byte long: FE FF FF FF.
    EXPECT_EQ(byte_at(buffer, 3), 0xFE);
    for (std::size_t i = 4; i < 7; ++i) {
        EXPECT_EQ(byte_at(buffer, i), 0xFF) << "byte " << i;
    }
    // 1.0f is 0x3F800000.
    EXPECT_EQ(byte_at(buffer, 9), 0x80);
    EXPECT_EQ(byte_at(buffer, 10), 0x3F);
    EXPECT_EQ(c->get(), -2);
}

TEST_F(ItemTest, DefaultsAreTheSentinelsOfTheirType)
{
    auto *u8 = new TScalar<std::uint8_t>(&root, "u8");
    auto *s16 = new TScalar<std::int16_t>(&root, "s16");
    auto *u32 = new TScalar<std::uint32_t>(&root, "u32");
    auto *f = new TScalar<float>(&root, "f");
    auto *d = new TScalar<double>(&root, "d");
    EXPECT_EQ(u8->get(), 0xFF);
    EXPECT_EQ(s16->get(), 0x7FFF);
    EXPECT_EQ(u32->get(), 0xFFFFFFFFu);
    std::uint32_t float_bits;
    std::memcpy(&float_bits, f->start(), 4);
    EXPECT_EQ(float_bits, 0x60AD78ECu);
    std::uint64_t double_bits;
    std::memcpy(&double_bits, d->start(), 8);
    EXPECT_EQ(double_bits, 0x4415AF1D78B58C40u);
    EXPECT_FALSE(u8->is_valid());
    EXPECT_FALSE(f->is_valid());
    EXPECT_FALSE(d->is_valid());
}

TEST_F(ItemTest, FloatingValidityExcludesSentinelInfinitiesAndNaN)
{
    auto *d = new TScalar<double>(&root, "d", 0.0);
    auto valid = [&](double value) {
        d->set(value);
        return d->is_valid();
    };
    EXPECT_FALSE(valid(1e20));
    EXPECT_FALSE(valid(-1e20));
    EXPECT_FALSE(valid(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(valid(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(valid(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_TRUE(valid(9.99e19));
    EXPECT_TRUE(valid(-9.99e19));
    EXPECT_TRUE(valid(0.0));

    auto *f = new TScalar<float>(&root, "f", 0.0f);
    f->set(1e20);
    EXPECT_FALSE(f->is_valid()) << "a double 1e20 stored as single is the single sentinel";
    f->set(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FALSE(f->is_valid());
    f->set(45.5);
    double widened = 0;
    f->get(widened);
    EXPECT_DOUBLE_EQ(widened, 45.5);
    EXPECT_TRUE(f->is_valid());
}

TEST_F(ItemTest, IntegerValidityIsInequalityWithTheSentinel)
{
    auto *u16 = new TScalar<std::uint16_t>(&root, "u16", 65535);
    EXPECT_FALSE(u16->is_valid());
    u16->set(65534);
    EXPECT_TRUE(u16->is_valid());
    auto *s32 = new TScalar<std::int32_t>(&root, "s32", 0x7FFFFFFF);
    EXPECT_FALSE(s32->is_valid());
    s32->set_invalid();
    EXPECT_EQ(s32->get(), 0x7FFFFFFF);
}

TEST_F(ItemTest, CompositeSizeIsTheSumAndPlaceMovesEveryChild)
{
    new TScalar<std::uint8_t>(&root, "lead", 0);
    auto *velocity = new TNed<float>(&root, "Velocity", 1.0f, 2.0f, 3.0f);
    auto *tail = new TScalar<std::uint16_t>(&root, "tail", 7);
    EXPECT_EQ(velocity->size(), 12u);
    EXPECT_EQ(root.size(), 15u);
    EXPECT_EQ(velocity->start(), buffer.data() + 1);
    EXPECT_EQ(velocity->east().start(), buffer.data() + 5);
    EXPECT_EQ(velocity->east().name(), "East Component");

    root.place(buffer.data() + 100);
    EXPECT_EQ(velocity->start(), buffer.data() + 101);
    EXPECT_EQ(velocity->east().start(), buffer.data() + 105);
    EXPECT_EQ(tail->start(), buffer.data() + 113);
    EXPECT_EQ(root.end(), buffer.data() + 115);
}

TEST_F(ItemTest, TripleComponentNames)
{
    auto *position = new TLat_lon_alt<double>(&root, "Position");
    auto *attitude = new TRph<double>(&root, "Attitude");
    auto *rate = new TLon_tra_dwn<float>(&root, "Angular Rate");
    auto *track = new TLt_xt_dn<float>(&root, "Velocity");
    auto *delta = new TXyz<std::int32_t>(&root, "Detla Velocity");
    EXPECT_EQ(position->altitude().name(), "Altitude Component");
    EXPECT_EQ(attitude->heading().name(), "Heading Component");
    EXPECT_EQ(rate->transverse().name(), "Transverse Component");
    EXPECT_EQ(track->across_track().name(), "Across Track Component");
    EXPECT_EQ(delta->z().name(), "Z Component");
    EXPECT_EQ(delta->size(), 12u) << "a long is four bytes on the wire";
}

TEST_F(ItemTest, BitRangeReadsAndWritesItsBitsOnly)
{
    auto *field = new TBit_field<std::uint8_t>(&root, "Byte", 0xA5);
    auto *high = new TBit_range_pointer<std::uint8_t>(field, "High", 4, 7);
    EXPECT_EQ(high->get(), 0xA);
    high->set(3);
    EXPECT_EQ(field->get(), 0x35);
    high->set(0x1F);
    EXPECT_EQ(field->get(), 0xF5) << "a value wider than the range must not spill over";
    EXPECT_EQ(field->size(), 1u);
    EXPECT_EQ(root.size(), 1u) << "bit views add no width";
}

TEST_F(ItemTest, BitRangeOverAllThirtyTwoBits)
{
    auto *field = new TBit_field<std::uint32_t>(&root, "Word", 0);
    auto *all = new TBit_range_pointer<std::uint32_t>(field, "All", 0, 31);
    all->set(0xDEADBEEF);
    EXPECT_EQ(field->get(), 0xDEADBEEFu);
    EXPECT_EQ(all->get(), 0xDEADBEEFu);
}

TEST_F(ItemTest, BitPointersTestSetAndReleaseTheirBit)
{
    auto *field = new TBit_field<std::uint16_t>(&root, "Status", 0xFFFF);
    auto *bit3 = new TBit_pointer<std::uint16_t>(field, "Three", 3, EBit_initial::clear);
    auto *bit9 = new TBit_pointer<std::uint16_t>(field, "Nine", 9, EBit_initial::leave);
    EXPECT_EQ(field->get(), 0xFFF7);
    EXPECT_FALSE(bit3->get());
    EXPECT_TRUE(bit9->get());
    bit3->set(true);
    EXPECT_EQ(field->get(), 0xFFFF);
    EXPECT_EQ(field->claimed_mask(), 0x0208);
    EXPECT_EQ(field->bit(9), bit9);
    EXPECT_EQ(field->bit(4), nullptr);

    field->remove(bit9);
    EXPECT_EQ(field->claimed_mask(), 0x0008);
    EXPECT_EQ(field->bit(9), nullptr);
    EXPECT_EQ(field->child_count(), 1u);
}

TEST_F(ItemTest, NamedBitSetsAndBitArrays)
{
    auto *set = new TBit_set<std::uint32_t>(
        &root, "Status A", 0xFFFFFFFFu, {{0, "Coarse Leveling Active"}, {7, "Full Nav Solution"}});
    EXPECT_EQ(set->get(), 0xFFFFFF7Eu) << "wide sets clear their named bits at construction";
    EXPECT_EQ(set->bit(7)->name(), "Full Nav Solution");
    EXPECT_EQ(set->bit(1), nullptr);

    auto *array = new TBit_array<std::uint16_t>(&root, "IMU Status", 0);
    EXPECT_EQ(array->child_count(), 16u);
    EXPECT_EQ(array->bit(15)->name(), "IMU Status Bit 15");
    EXPECT_EQ(array->start(), set->end());

    auto *small = new TBit_set<std::uint8_t>(&root, "Control", 1, {{0, "Load Parameters"}});
    EXPECT_TRUE(small->bit(0)->get()) << "single-byte sets keep their default";
}

TEST_F(ItemTest, TextFieldReadsAreBoundedAndTerminated)
{
    auto *text = new TScalar<char *>(&root, "Version", 8, 0);
    text->set("ABCDEFGHIJ");
    EXPECT_EQ(std::memcmp(text->start(), "ABCDEFGH", 8), 0) << "filled to the brim, no terminator";
    EXPECT_EQ(text->text(), "ABCDEFGH");

    char exact[8];
    EXPECT_EQ(text->get(exact, sizeof exact), 7u);
    EXPECT_STREQ(exact, "ABCDEFG");
    char roomy[32];
    std::memset(roomy, 'x', sizeof roomy);
    EXPECT_EQ(text->get(roomy, sizeof roomy), 8u);
    EXPECT_STREQ(roomy, "ABCDEFGH");

    text->set("AB");
    EXPECT_EQ(text->text(), "AB");
    EXPECT_EQ(text->get(roomy, sizeof roomy), 2u);
    EXPECT_STREQ(roomy, "AB");
    EXPECT_EQ(text->get(roomy, 0), 0u);
    text->set(std::string_view{});
    EXPECT_EQ(text->text(), "") << "an empty view, which has no data, clears the field";

    auto *marker = new TScalar<char *>(&root, "Group Start", "$GRP");
    EXPECT_EQ(marker->size(), 4u);
    EXPECT_TRUE(marker->holds("$GRP"));
    EXPECT_FALSE(marker->holds("$MSG"));
}

TEST_F(ItemTest, ByteArrayCopiesOutNoMoreThanAsked)
{
    auto *bytes = new CComposite_byte_array(&root, "Raw", 6);
    const char source[] = "abcdef";
    bytes->set(source);
    char small[3] = {};
    EXPECT_EQ(bytes->get(small, sizeof small), 3u);
    EXPECT_EQ(std::memcmp(small, "abc", 3), 0);
    EXPECT_EQ(bytes->get(nullptr, 10), 0u);
}

TEST_F(ItemTest, ArrayNamesElementsAndShrinksWithItsCount)
{
    auto *list =
        new CItem_array<TScalar<std::uint16_t>>(&root, "Display Port Group", 4, std::uint16_t{0});
    auto *after = new TScalar<std::uint16_t>(&root, "Reserved", 0xBEEF);
    EXPECT_EQ(list->capacity(), 4u);
    EXPECT_EQ((*list)[3].name(), "Display Port Group 3");
    EXPECT_EQ(after->start(), buffer.data() + 8);

    EXPECT_EQ(list->set_count(2), 2u);
    root.place(buffer.data());
    EXPECT_EQ(list->size(), 4u);
    EXPECT_EQ(after->start(), buffer.data() + 4);
    EXPECT_EQ(root.size(), 6u);

    EXPECT_EQ(list->set_count(65535), 4u) << "a count is never more than the room built";
    root.place(buffer.data());
    EXPECT_EQ(after->start(), buffer.data() + 8);
}

TEST_F(ItemTest, RemovingAVisibleChildKeepsHiddenOnesHidden)
{
    auto *list = new CItem_array<TScalar<std::uint8_t>>(&root, "Entry", 4, std::uint8_t{0});
    list->set_count(2);
    list->remove(&(*list)[0]);
    EXPECT_EQ(list->count(), 1u);
    EXPECT_EQ(list->capacity(), 3u);
    EXPECT_EQ((*list)[0].name(), "Entry 1");
}

TEST_F(ItemTest, EqualsComparesNameParentAndPlace)
{
    auto *a = new TScalar<std::uint8_t>(&root, "Same", 0);
    auto *b = new TScalar<std::uint8_t>(&root, "Same", 0);
    EXPECT_TRUE(a->equals(*a));
    EXPECT_FALSE(a->equals(*b));
    b->place(a->start());
    EXPECT_TRUE(a->equals(*b));
}

} // namespace
