// What each fault does to an answer on its way to the line.
#include "unit-sim/fault_injector.h"

#include <gtest/gtest.h>

#include "link/frame.h"

namespace orvane::unitsim {
namespace {

const Bytes Answer = {0xAA, 0xEA, 0x0A, 0x00, 0x00, 0x10, 0x01, 0x07, 0x03, 0x5F};

Bytes Prefixed(Bytes prefix) {
    prefix.insert(prefix.end(), Answer.begin(), Answer.end());
    return prefix;
}

struct ShapeCase {
    const char* name;
    FaultSettings faults;
    Bytes sent;
};

FaultSettings With(void (*set)(FaultSettings&)) {
    FaultSettings f;
    set(f);
    return f;
}

class FaultShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(FaultShape, putsExactlyTheseBytesOnTheLine) {
    FaultInjector injector(1);
    injector.configure(GetParam().faults);
    EXPECT_EQ(injector.shape(Answer).all(), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultShape,
    ::testing::Values(ShapeCase{"none", {}, Answer},
                      ShapeCase{"leadingZero", With([](FaultSettings& f) { f.leadingZero = true; }),
                                Prefixed({0x00})},
                      ShapeCase{"dupFirst", With([](FaultSettings& f) { f.dupFirst = true; }),
                                Prefixed({0xAA})},
                      ShapeCase{"zeroThenDuplicate",
                                With([](FaultSettings& f) { f.leadingZero = f.dupFirst = true; }),
                                Prefixed({0x00, 0xAA})},
                      ShapeCase{"truncate", With([](FaultSettings& f) { f.truncateEvery = 1; }),
                                Bytes(Answer.begin(), Answer.begin() + 5)},
                      ShapeCase{"corruptInvertsOnePayloadByte",
                                With([](FaultSettings& f) { f.corruptEvery = 1; }),
                                {0xAA, 0xEA, 0x0A, 0x00, 0x00, 0x10, 0x01, 0xF8, 0x03, 0x5F}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FaultInjector, wrongFunctionKeepsTheChecksumRight) {
    FaultInjector injector(1);
    injector.configure(With([](FaultSettings& f) { f.wrongFunction = true; }));
    const Bytes sent = injector.shape(Answer).all();
    EXPECT_NE(sent[link::FunctionByte], Answer[link::FunctionByte]);
    EXPECT_TRUE(link::AnswerIntact(sent));
}

TEST(FaultInjector, gapSplitsTheAnswerInTheMiddle) {
    FaultInjector injector(1);
    injector.configure(With([](FaultSettings& f) { f.gapMs = 40; }));
    const Transmission t = injector.shape(Answer);
    EXPECT_EQ(t.head, Bytes(Answer.begin(), Answer.begin() + 5));
    EXPECT_EQ(t.gapMs, 40u);
    EXPECT_EQ(t.all(), Answer);
}

TEST(FaultInjector, garbageIsNeverTakenForTheOneToleratedLeadByte) {
    FaultInjector injector(99);
    injector.configure(With([](FaultSettings& f) { f.garbage = 3; }));
    for (int i = 0; i < 200; ++i) {
        const Bytes sent = injector.shape(Answer).all();
        ASSERT_EQ(sent.size(), Answer.size() + 3);
        EXPECT_TRUE(std::equal(Answer.begin(), Answer.end(), sent.begin() + 3));
        for (int k = 0; k < 3; ++k) {
            EXPECT_NE(sent[k], 0x00);
            EXPECT_NE(sent[k], Answer[0]);
        }
    }
}

TEST(FaultInjector, periodicFaultsHitEveryNthAndRestartWhenThePeriodChanges) {
    FaultInjector injector(1);
    FaultSettings f;
    f.corruptEvery = 3;
    f.dropEvery = 2;
    injector.configure(f);
    std::string hits;
    for (int i = 0; i < 6; ++i) {
        hits += injector.ignoreRequest() ? 'd' : '.';
        hits += injector.shape(Answer).all() == Answer ? '.' : 'c';
    }
    EXPECT_EQ(hits,
              ".."
              "d."
              ".c"
              "d."
              ".."
              "dc");

    injector.configure(f);  // unchanged: the count goes on
    EXPECT_EQ(injector.shape(Answer).all(), Answer);
    f.corruptEvery = 2;
    injector.configure(f);
    EXPECT_EQ(injector.shape(Answer).all(), Answer);
    EXPECT_NE(injector.shape(Answer).all(), Answer);
}

TEST(FaultInjector, silenceIgnoresEveryRequest) {
    FaultInjector injector(1);
    injector.configure(With([](FaultSettings& f) { f.silent = true; }));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(injector.ignoreRequest());
}

TEST(FaultInjector, aLostCommitAnswerLosesOnlyTheCommitsAnswer) {
    FaultInjector injector(1);
    const Bytes commit = {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x32, 0x55, 0xAA, 0x84};
    const Bytes read = {0xEA, 0xAA, 0x08, 0x60, 0x00, 0xB1, 0x0C, 0x1F};
    EXPECT_FALSE(injector.loseAnswerTo(commit));
    injector.configure(With([](FaultSettings& f) { f.loseCommitAnswer = true; }));
    EXPECT_TRUE(injector.loseAnswerTo(commit));
    EXPECT_FALSE(injector.loseAnswerTo(read));
    EXPECT_FALSE(injector.ignoreRequest()) << "the unit hears the commit and keeps it";
}

}  // namespace
}  // namespace orvane::unitsim
