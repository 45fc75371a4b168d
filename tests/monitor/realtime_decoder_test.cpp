// The decoder over stored blocks, shown through the window's presenter: seeding and
// smoothing once per block, the field kinds and scales, the unsmoothed counters, the trend
// feed, lamps (also the derived ones), clock digits, that every control is written on every
// run, and the snapshot's own account of new blocks and of the link state.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "monitor/realtime_decoder.h"
#include "support/fake_screen.h"
#include "ui/core/snapshot_view.h"

namespace orvane::monitor {

namespace controls = orvane::frontend::controls;
namespace {

class Decoder : public ::testing::Test {
  protected:
    Decoder() { data.ResetFilters(); }

    void setWord(int byte, std::uint16_t value) {
        poll.TrendBlock[byte] = static_cast<std::uint8_t>(value & 0xFF);
        poll.TrendBlock[byte + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    void setLong(int byte, std::uint32_t value) {
        setWord(byte, static_cast<std::uint16_t>(value & 0xFFFF));
        setWord(byte + 2, static_cast<std::uint16_t>(value >> 16));
    }
    void run() { view.take(decoder.Run()); }
    void deliver() {
        poll.TrendBlockReady = true;
        run();
    }
    double number(frontend::AnyControl control) { return screen.numbers.at(control); }
    float trend(frontend::Chart chart, int channel) {
        return screen.trendValues.at({chart, channel});
    }

    PollState poll;
    RealtimeData data;
    testing::FakeScreen screen;
    catalogue::Language language;
    RealtimeDecoder decoder{poll, data, language};
    ui::SnapshotView view{screen, screen};
};

TEST_F(Decoder, theFirstBlockIsShownExactlyAsReceived) {
    setWord(0, 2305);
    setWord(4, static_cast<std::uint16_t>(-1200));
    deliver();
    EXPECT_DOUBLE_EQ(number(controls::AbNumEdit20), 230.5);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Ten_Conv_R), 230.5) << "phase R repeats the grid";
    EXPECT_DOUBLE_EQ(number(controls::AbNumEdit22), -1200);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Conv_Pot_Somma), -1200);
    EXPECT_FALSE(poll.TrendBlockReady);
}

TEST_F(Decoder, measurementsGlideOncePerNewBlockNotPerRun) {
    deliver();  // seeds at zero
    setWord(32, 1000);
    deliver();
    run();  // no new block: no filter step
    run();
    EXPECT_DOUBLE_EQ(number(controls::AbNumEdit60), 99);
    deliver();
    EXPECT_DOUBLE_EQ(number(controls::AbNumEdit60), 190);
    EXPECT_FLOAT_EQ(trend(frontend::Chart::Trend1, 3), 190.0f);
}

TEST_F(Decoder, countersAndEnergyTotalsFollowANewBlockAtOnce) {
    deliver();
    setWord(34, 875);   // 87.5 % available charge
    setWord(36, 1995);  // 199.5 Ah
    setWord(88, 321);
    setLong(60, 123456);
    setWord(0, 2300);  // smoothed, for contrast
    deliver();
    EXPECT_DOUBLE_EQ(number(controls::AbNumEdit67), 87.5);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Perc_Batt_Disponibile), 87.5);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Cap_Attuale_Batt), 199.5);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Num_Permille_Vita_Batteria), 321);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Conv_Wh_Pann), 123456);
    EXPECT_LT(number(controls::AbNumEdit20), 230.0);
}

TEST_F(Decoder, wordsAreReadWithTheirWidthAndSign) {
    struct Case {
        int byte;
        std::uint32_t raw;
        frontend::AnyControl control;
        double shown;
    };
    const Case cases[] = {
        {20, 0xFFFF, controls::AbNumEdit30, 6553.5},              // unsigned, /10
        {18, 0xFFFF, controls::AbNumEdit31, -0.1},                // signed, /10
        {16, 0x8000, controls::AbNumEdit26, -3276.8},             // battery temperature
        {52, 0xFFFFFFFF, controls::Ed_Wh_Erogati, 4294967295.0},  // unsigned 32
        {48, 0x80000000, controls::Ed_Wh_Accumulati, 2147483648.0},
        {56, 0xFFFFFFFF, controls::Ed_Conv_Wh_Batt_Erog, -1},  // signed 32
        {84, 0x80000000, controls::Ed_Conv_Wh_Verso_Inverter, -2147483648.0},
        {104, 123, controls::Ed_Corr_Conv_T, 12.3},
    };
    for (const Case& c : cases) {
        if (c.byte >= 48 && c.byte < 88)
            setLong(c.byte, c.raw);
        else
            setWord(c.byte, static_cast<std::uint16_t>(c.raw));
    }
    deliver();
    for (const Case& c : cases)
        EXPECT_NEAR(number(c.control), c.shown, 1e-9) << c.control.name();
}

TEST_F(Decoder, negativePanelPowerIsShownButPlottedAsZero) {
    setWord(40, static_cast<std::uint16_t>(-20));
    setWord(4, static_cast<std::uint16_t>(-150));
    deliver();
    EXPECT_DOUBLE_EQ(number(controls::AbNumEdit95), -20);
    EXPECT_FLOAT_EQ(trend(frontend::Chart::Trend1, 5), 0.0f);
    EXPECT_FLOAT_EQ(trend(frontend::Chart::Trend1, 1), -150.0f) << "grid power may be negative";
}

TEST_F(Decoder, trendChannelsCarryTheirMeasurementsAndFollowTheirBoxes) {
    const struct {
        int byte;
        std::uint16_t raw;
        frontend::Chart chart;
        int channel;
        float value;
    } feeds[] = {
        {4, 100, frontend::Chart::Trend1, 1, 100},
        {10, 200, frontend::Chart::Trend1, 2, 200},
        {32, 300, frontend::Chart::Trend1, 3, 300},
        {20, 512, frontend::Chart::Trend1, 4, 51.2f},
        {40, 400, frontend::Chart::Trend1, 5, 400},
        {14, 455, frontend::Chart::Trend1, 6, 45.5f},
        {12, 388, frontend::Chart::Trend1, 7, 38.8f},
        {92, 1000, frontend::Chart::Trifase, 1, 1000},
        {94, 2000, frontend::Chart::Trifase, 2, 2000},
        {96, 3000, frontend::Chart::Trifase, 3, 3000},
    };
    for (const auto& f : feeds)
        setWord(f.byte, f.raw);
    screen.checks[controls::Ck_V_Batt] = true;
    screen.checks[controls::Ck_T_Diss] = true;
    deliver();
    for (const auto& f : feeds)
        EXPECT_FLOAT_EQ(trend(f.chart, f.channel), f.value);

    const frontend::AnyControl boxes[] = {
        controls::Ck_P_Rete, controls::Ck_P_Casa, controls::Ck_I_Batt, controls::Ck_V_Batt,
        controls::Ck_P_Pann, controls::Ck_T_Diss, controls::Ck_Temp_CB};
    for (int channel = 1; channel <= 7; ++channel)
        EXPECT_EQ(screen.trendVisible.at({frontend::Chart::Trend1, channel}),
                  channel == 4 || channel == 6)
            << boxes[channel - 1].name();
    EXPECT_FALSE(screen.trendVisible.contains({frontend::Chart::Trifase, 1})) << "always visible";
    EXPECT_FALSE(screen.trendValues.contains({frontend::Chart::Trend1, 8})) << "never fed";
}

TEST_F(Decoder, lampsLightFromTheirBitsAndTheSummaryLampsFromAnyOfTheirs) {
    struct Case {
        int byte;
        std::uint8_t value;
        std::vector<frontend::AnyControl> lit;
    };
    const Case cases[] = {
        {32, 0x04, {controls::VrUserLed1}},
        {32,
         0x03,
         {controls::Led_All_Low_Tens_Ali, controls::Led_All_Termico, controls::VrUserLed1}},
        {32, 0xB0, {}},
        {28, 0x08, {controls::Ld_Sovra_Filtro, controls::Ld_Cum_Cei021}},
        {28, 0x01, {controls::Ld_Err_Serv_Rete}},
        {28, 0x80, {controls::Ld_Rottura_Fusibile_Pann}},
        {33, 0x01, {controls::VrUserLed27, controls::VrUserLed2}},
        {35, 0x70, {controls::Ld_No_Fase_R, controls::Ld_No_Fase_S, controls::Ld_No_Fase_T}},
        {117,
         0x07,
         {controls::Ld_Clock_No_Presente, controls::Ld_Batt_Esausta_Num_Cicli,
          controls::Ld_Fault_Batt_In_Carica}},
    };
    for (const Case& c : cases) {
        poll.LiveBlockA = {};
        poll.LiveBlockA[c.byte] = c.value;
        run();
        for (const auto& [control, on] : screen.lamps) {
            const bool expected =
                std::find_if(c.lit.begin(), c.lit.end(), [&](frontend::AnyControl n) {
                    return control == n.id();
                }) != c.lit.end();
            EXPECT_EQ(on, expected)
                << "byte " << c.byte << " = " << int(c.value) << ": " << frontend::NameOf(control);
        }
    }
}

TEST_F(Decoder, theSecondStatusBlockDrivesTheBatteryFaultLamp) {
    poll.LiveBlockB[20] = 0x02;
    run();
    EXPECT_TRUE(screen.lamps.at(controls::Ld_Fault_Batteria_Carica));
    poll.LiveBlockB[20] = 0xFD;
    run();
    EXPECT_FALSE(screen.lamps.at(controls::Ld_Fault_Batteria_Carica));
}

TEST_F(Decoder, statusNumbersAndTheGridFrequency) {
    poll.LiveBlockA[29] = 200;
    poll.LiveBlockA[96] = 7;
    poll.LiveBlockA[97] = 255;
    poll.LiveBlockA[106] = 0x8A;  // 5002
    poll.LiveBlockA[107] = 0x13;
    run();
    EXPECT_DOUBLE_EQ(number(controls::Ed_Err_Serv_Rete), 200);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Err_Id_PAr), 7);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Id_Err_Liberi), 255);
    EXPECT_DOUBLE_EQ(number(controls::Ed_Freq_Rete), 50.02);
}

TEST_F(Decoder, theUnitsClockGoesToTheDigitGroups) {
    poll.ClockBlock = {31, 12, 25, 23, 59, 58};
    run();
    EXPECT_EQ(screen.digits, (std::map<frontend::ControlId, double>{{controls::Vr_Day.id(), 31},
                                                                    {controls::Vr_Mese.id(), 12},
                                                                    {controls::VrAnno.id(), 2025},
                                                                    {controls::VrOra.id(), 23},
                                                                    {controls::VrMin.id(), 59},
                                                                    {controls::VrSec.id(), 58}}));
    poll.ClockBlock[2] = 0;
    run();
    EXPECT_EQ(screen.digits.at(controls::VrAnno), 2000);
}

TEST_F(Decoder, everyRunWritesEveryControlAlsoWithoutANewBlock) {
    run();
    const auto numbers = screen.numbers.size(), lamps = screen.lamps.size();
    // 37 measurement fields (five shown twice), 4 status numbers; 33 lamps; 6 digits.
    EXPECT_EQ(numbers, 41u);
    EXPECT_EQ(lamps, 33u);
    EXPECT_EQ(screen.digits.size(), 6u);
    const long perRun = screen.writes;
    run();
    EXPECT_EQ(screen.writes, 2 * perRun);
}

TEST_F(Decoder, theFirmwareLabelShowsTwoCharactersPerNumber) {
    run();
    EXPECT_EQ(screen.text(controls::Label_Ver_FW), " 0. 0. 0");
    poll.FirmwareVersion = {1, 17, 255};
    run();
    EXPECT_EQ(screen.text(controls::Label_Ver_FW), " 1.17.255");
}

TEST_F(Decoder, linkStateTextsFollowTheLanguageOfTheMoment) {
    poll.LinkErrorFlag = true;
    language.LanguageIndex = catalogue::English;
    run();
    EXPECT_EQ(screen.text(controls::Vr_String), "Communication Error");
    poll.LinkErrorFlag = false;
    poll.FwVersionError = true;
    run();
    EXPECT_EQ(screen.text(controls::Vr_String), "FIRMWARE Version Error Orvane ");
    EXPECT_EQ(poll.LinkOkDelay, 3);
}

// ---- the snapshot's own account ----

TEST_F(Decoder, aSnapshotSaysWhetherItsRunTookANewBlockAndCountsTheBlocksTaken) {
    std::vector<std::pair<bool, std::uint64_t>> seen;
    for (bool newBlock : {true, false, false, true, true, false}) {
        poll.TrendBlockReady = newBlock;
        const TrendBlockCount blocks = decoder.Run().trendBlocks;
        seen.emplace_back(blocks.newThisTick, blocks.taken);
    }
    EXPECT_EQ(seen, (std::vector<std::pair<bool, std::uint64_t>>{
                        {true, 1}, {false, 1}, {false, 1}, {true, 2}, {true, 3}, {false, 3}}));
    data.ResetFilters();
    poll.TrendBlockReady = true;
    EXPECT_EQ(decoder.Run().trendBlocks.taken, 1u) << "counted again from the window's show";
}

TEST_F(Decoder, theLinkStateHoldsWhatTheLineShowsAndSaysWhenItIsWritten) {
    using enum LinkCondition;
    struct Tick {
        bool linkError, firmwareError;
        LinkCondition condition;
        std::string text;
        bool written;
    };
    const std::string comm = "Errore di comunicazione";
    const std::string firmware = "Errore versione FIRMWARE Orvane ";
    const Tick ticks[] = {
        {false, false, starting, "Avviato", false},  // as the link's start left it
        {false, false, starting, "Avviato", false},
        {false, false, ok, "Comunicazione OK", true},
        {false, false, ok, "Comunicazione OK", false},
        {true, false, communicationError, comm, true},
        {true, true, communicationAndFirmwareError, comm + " - " + firmware, true},
        {false, true, firmwareError, firmware, true},
        // The error text stays on the line until OK returns on the third calm tick.
        {false, false, firmwareError, firmware, false},
        {false, false, firmwareError, firmware, false},
        {false, false, ok, "Comunicazione OK", true},
    };
    poll.LinkOkDelay = 3;
    for (std::size_t i = 0; i < std::size(ticks); ++i) {
        const Tick& t = ticks[i];
        poll.LinkErrorFlag = t.linkError;
        poll.FwVersionError = t.firmwareError;
        const LinkState link = decoder.Run().link;
        EXPECT_EQ(link.condition, t.condition) << "tick " << i;
        EXPECT_EQ(link.matrixText, t.text) << "tick " << i;
        EXPECT_EQ(link.lineUpdated, t.written) << "tick " << i;
        EXPECT_EQ(link.autoScroll, t.condition != starting && t.condition != ok) << "tick " << i;
    }
    language.LanguageIndex = catalogue::English;
    EXPECT_EQ(decoder.Run().link.matrixText, "Comunication OK") << "in the language of the moment";
}

}  // namespace
}  // namespace orvane::monitor
