// The factory memory, the unit's own parameter checks, and the EEPROM file.
#include "unit-sim/memory_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/scratch_directory.h"
#include "unit-sim/bytes.h"
#include "unit-sim/parameter_checks.h"

namespace orvane::unitsim {
namespace {

using testing::ScratchDirectory;

TEST(FactoryMemory, passesEveryParameterCheck) {
    const MemoryImage m;
    EXPECT_EQ(CheckConfigBlock(m.view(block::Config)), 0);
    EXPECT_EQ(CheckFreeParamBlock(m.view(block::FreeParams)), 0);
    EXPECT_EQ(CheckGridServiceBlock(m.view(block::GridServices)), 0);
    EXPECT_TRUE(NetbiosNameValid(m.view(block::NetbiosName)));
}

TEST(FactoryMemory, identifiesAUnitOtherThanOneAndCarriesReservedBytesAndUnnamedBits) {
    const MemoryImage m;
    EXPECT_EQ(GetU32(m.view(block::Identity), field::UnitId), 1042u);
    auto nonZero = [](std::span<const std::uint8_t> s) {
        return std::any_of(s.begin(), s.end(), [](std::uint8_t b) { return b != 0; });
    };
    EXPECT_TRUE(nonZero(m.view(block::Network).subspan(21, 1)));
    EXPECT_TRUE(nonZero(m.view(block::Config).subspan(7, 1)));
    EXPECT_TRUE(nonZero(m.view(block::Config).subspan(10, 2)));
    EXPECT_TRUE(nonZero(m.view(block::FreeParams).subspan(44, 20)));
    EXPECT_TRUE(nonZero(m.view(block::GridServices).subspan(1, 1)));
    EXPECT_TRUE(nonZero(m.view(block::GridServices).subspan(14, 2)));
    EXPECT_TRUE(nonZero(m.view(block::Identity).subspan(4, 8)));
    EXPECT_NE(m.view(block::Network)[20] & 0xFC, 0);  // beyond static/local server
    EXPECT_NE(m.view(block::Config)[field::ConfigFlags] & 0xFE, 0);
    EXPECT_NE(m.view(block::GridServices)[field::GridFlags] & 0xF0, 0);
}

struct FieldCase {
    const char* name;
    BlockSpan block;
    std::size_t offset;
    std::size_t width;
    std::uint16_t value;
    std::uint8_t expected;
};

std::uint8_t RunCheck(const MemoryImage& m, BlockSpan b) {
    if (b.address == block::Config.address)
        return CheckConfigBlock(m.view(b));
    if (b.address == block::FreeParams.address)
        return CheckFreeParamBlock(m.view(b));
    return CheckGridServiceBlock(m.view(b));
}

class ParameterCheck : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ParameterCheck, acceptsBothBoundsAndReportsTheFieldsErrorNumber) {
    const FieldCase& c = GetParam();
    MemoryImage m;
    auto b = m.edit(c.block);
    if (c.width == 1)
        b[c.offset] = static_cast<std::uint8_t>(c.value);
    else
        PutU16(b, c.offset, c.value);
    EXPECT_EQ(RunCheck(m, c.block), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ParameterCheck,
    ::testing::Values(FieldCase{"capacityLow", block::Config, 0, 2, 25, 0},
                      FieldCase{"capacityBelow", block::Config, 0, 2, 24, 1},
                      FieldCase{"capacityHigh", block::Config, 0, 2, 550, 0},
                      FieldCase{"capacityAbove", block::Config, 0, 2, 551, 1},
                      FieldCase{"inverterAbove", block::Config, 6, 1, 6, 5},
                      FieldCase{"equalizationOff", block::FreeParams, 20, 2, 0, 0},
                      FieldCase{"equalizationBelow", block::FreeParams, 20, 2, 349, 15},
                      FieldCase{"equalizationMinutesBelow", block::FreeParams, 32, 2, 14, 17},
                      FieldCase{"efficiencyHigh", block::FreeParams, 36, 2, 1500, 0},
                      FieldCase{"blockTemperatureAbove", block::FreeParams, 42, 2, 551, 22},
                      FieldCase{"insertionDelayHigh", block::GridServices, 10, 2, 1000, 0},
                      FieldCase{"insertionDelayAbove", block::GridServices, 10, 2, 1001, 5},
                      FieldCase{"overFreqStartEqualsMax", block::GridServices, 2, 2, 515, 6},
                      FieldCase{"underFreqStartEqualsMin", block::GridServices, 6, 2, 492, 7},
                      FieldCase{"overvoltageLow", block::GridServices, 12, 2, 1050, 0},
                      FieldCase{"overvoltageBelow", block::GridServices, 12, 2, 1049, 8},
                      FieldCase{"overvoltageAbove", block::GridServices, 12, 2, 1151, 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParameterCheck, reportsTheLastFailingTestNotTheLowestNumber) {
    MemoryImage m;
    PutU16(m.edit(block::FreeParams), 0, 300);  // end of charge -> 1
    PutU16(m.edit(block::FreeParams), 2, 300);  // supply deep discharge -> 4
    EXPECT_EQ(CheckFreeParamBlock(m.view(block::FreeParams)), 4);
}

TEST(ParameterCheck, netbiosNameRefusesBlanksAndBytesAboveAscii) {
    std::uint8_t name[16] = {'O', 'R', 'V', '_', '1', '.', '-'};
    EXPECT_TRUE(NetbiosNameValid(name));
    name[3] = ' ';
    EXPECT_FALSE(NetbiosNameValid(name));
    name[3] = 'A';
    name[15] = 0xE9;  // behind the terminator still counts
    EXPECT_FALSE(NetbiosNameValid(name));
}

TEST(MemoryImage, readsAndWritesOnlyInsideItsFiveHundredTwelveBytes) {
    MemoryImage m;
    std::uint8_t buffer[16] = {};
    EXPECT_TRUE(m.read(511, 1, buffer));
    EXPECT_TRUE(m.read(512, 0, buffer));
    EXPECT_FALSE(m.read(512, 1, buffer));
    EXPECT_FALSE(m.read(500, 13, buffer));

    const std::uint8_t data[4] = {1, 2, 3, 4};
    EXPECT_TRUE(m.write(508, data));
    EXPECT_FALSE(m.write(509, data));
    ASSERT_TRUE(m.read(508, 4, buffer));
    EXPECT_EQ(buffer[3], 4);
    EXPECT_EQ(m.bytes()[508 - 1], MemoryImage().bytes()[508 - 1]) << "nothing around it moved";
}

TEST(EepromFile, savesAtomicallyAndLoadsTheSameMemoryBack) {
    ScratchDirectory dir;
    const std::string path = dir.file("unit.eeprom");
    MemoryImage saved;
    PutU16(saved.edit(block::Config), field::CapacityAh, 333);
    std::string error;
    ASSERT_TRUE(SaveImageAtomically(path, saved, error)) << error;
    ASSERT_TRUE(SaveImageAtomically(path, saved, error)) << "replaces its own file: " << error;

    MemoryImage loaded;
    EXPECT_EQ(LoadImage(path, loaded, error), LoadOutcome::Loaded) << error;
    EXPECT_TRUE(std::ranges::equal(loaded.bytes(), saved.bytes()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(EepromFile, aMissingFileKeepsTheFactoryMemoryAndABadOneIsRefused) {
    ScratchDirectory dir;
    MemoryImage m;
    std::string error;
    EXPECT_EQ(LoadImage(dir.file("absent"), m, error), LoadOutcome::Missing);
    EXPECT_TRUE(std::ranges::equal(m.bytes(), MemoryImage().bytes()));

    const std::string shortFile = dir.file("short");
    std::ofstream(shortFile, std::ios::binary) << std::string(100, 'x');
    EXPECT_EQ(LoadImage(shortFile, m, error), LoadOutcome::Failed);
    EXPECT_NE(error.find("512"), std::string::npos) << error;
    EXPECT_TRUE(std::ranges::equal(m.bytes(), MemoryImage().bytes()));

    EXPECT_FALSE(SaveImageAtomically(dir.file("no/such/dir/unit.eeprom"), m, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace orvane::unitsim
