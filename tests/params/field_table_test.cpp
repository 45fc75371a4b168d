// The field table as the rest of the program relies on it: typed access to single fields,
// the exact low bits of any typed double, and the list conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "params/field_table.h"
#include "params/parameter_set.h"

namespace orvane::params {
namespace {

TEST(FieldTable, everyFieldHasItsOwnBytesOrBitInsideItsBlock) {
    std::set<std::tuple<Block, int, int>> used;  // block, byte, bit mask
    for (const FieldDescriptor& d : FieldTable()) {
        for (int i = 0; i < d.width; ++i) {
            const int mask = d.kind == FieldKind::FlagBit ? d.bitMask : 0xFF;
            for (const auto& [b, byte, m] : used)
                ASSERT_FALSE(b == d.block && byte == d.offset + i && (m & mask) != 0) << d.name;
            used.insert({d.block, d.offset + i, mask});
        }
        EXPECT_EQ(FieldByName(d.name), d.field);
    }
    EXPECT_EQ(Describe(Field::overvoltageStart).address(), 0x0C0 + 12);
    EXPECT_EQ(Describe(Field::unitId).address(), 0x1C0);
}

TEST(FieldTable, typedAccessTouchesOnlyTheFieldsBytesOrBit) {
    ParameterSet set;
    set.GridServiceBlock.fill(0xA5);
    set.set(Field::overFreqLimitEnabled, 0);  // bit 2 of 0xA5
    set.set(Field::underFreqStart, 0x12345);  // 16 bits keep 0x2345
    EXPECT_EQ(set.GridServiceBlock[0], 0xA1);
    EXPECT_EQ(set.GridServiceBlock[6], 0x45);
    EXPECT_EQ(set.GridServiceBlock[7], 0x23);
    EXPECT_EQ(set.GridServiceBlock[5], 0xA5);
    EXPECT_EQ(set.GridServiceBlock[8], 0xA5);
    EXPECT_EQ(set.get(Field::underFreqStart), 0x2345u);
    EXPECT_EQ(set.get(Field::gridServicesEnabled), 1u);

    set.set(Field::unitId, 0xFFFFFFFEu);
    EXPECT_EQ(set.get(Field::unitId), 0xFFFFFFFEu);
    EXPECT_EQ(set.IdentityBlock[0], 0xFE);
}

TEST(FieldTable, anyTypedDoubleGivesItsExactLowBits) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double typed;
        unsigned bits;
        std::uint32_t stored;
    };
    for (const Case& c : {Case{56.9, 16, 56},
                          {260, 8, 4},
                          {-1, 16, 65535},
                          {-1, 8, 255},
                          {-0.7, 16, 0},
                          {65535.99, 16, 65535},
                          {65536, 16, 0},
                          {-65537, 16, 65535},
                          {1e15 + 3, 16, 32771},  // 1e15 = 2^15 x odd
                          {-1e15 - 3, 16, 32765},
                          {1e30, 16, 0},  // a multiple of 2^47
                          {-1e30, 8, 0},
                          {4294967295.0, 32, 4294967295u},
                          {-1, 32, 4294967295u},
                          {std::nan(""), 16, 0},
                          {inf, 16, 0},
                          {-inf, 8, 0}}) {
        EXPECT_EQ(LowBits(c.typed, c.bits), c.stored) << c.typed << " in " << c.bits << " bits";
    }
}

TEST(FieldTable, listsStoreIndexTimesStepAndShowOnlyEntriesTheyHave) {
    const FieldDescriptor& delay = Describe(Field::insertionDelayMs);
    const FieldDescriptor& type = Describe(Field::batteryType);
    EXPECT_EQ(ListValue(-1, delay), 65486u);
    EXPECT_EQ(ListValue(20, delay), 1000u);
    EXPECT_EQ(ListValue(-1, type), 255u);
    EXPECT_EQ(ListIndex(75, delay), 1);
    EXPECT_EQ(ListIndex(1049, delay), 20);
    EXPECT_EQ(ListIndex(1050, delay), -1);
    EXPECT_EQ(ListIndex(6, type), 6);
    EXPECT_EQ(ListIndex(255, type), -1);
}

}  // namespace
}  // namespace orvane::params
