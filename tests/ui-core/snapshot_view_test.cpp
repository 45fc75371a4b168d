// The window's presenter: every live control shows its own snapshot entry with the value
// the snapshot holds, nothing else is written, and the firmware label and the LED-matrix
// line come last, the line only on the ticks that change it.
#include "ui/core/snapshot_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "monitor/unit_snapshot_tables.h"
#include "support/fake_screen.h"

namespace orvane::ui {
namespace {

namespace controls = frontend::controls;
using monitor::LinkCondition;
using monitor::Measurement;
using monitor::UnitClock;
using monitor::UnitLamp;
using monitor::UnitSnapshot;

// Which snapshot entry each live control of the window shows.
const std::pair<frontend::AnyControl, Measurement> NumberControls[] = {
    {controls::AbNumEdit20, Measurement::gridVoltage},
    {controls::Ed_Ten_Conv_R, Measurement::gridVoltage},
    {controls::AbNumEdit21, Measurement::gridCurrent},
    {controls::Ed_Corr_Conv_R, Measurement::gridCurrent},
    {controls::AbNumEdit22, Measurement::gridPower},
    {controls::Ed_Conv_Pot_Somma, Measurement::gridPower},
    {controls::AbNumEdit23, Measurement::houseVoltage},
    {controls::AbNumEdit24, Measurement::houseCurrent},
    {controls::AbNumEdit25, Measurement::housePower},
    {controls::AbNumEdit28, Measurement::chargerTemperature},
    {controls::AbNumEdit27, Measurement::supplyStageTemperature},
    {controls::AbNumEdit26, Measurement::batteryTemperature},
    {controls::AbNumEdit31, Measurement::batteryCurrent},
    {controls::AbNumEdit30, Measurement::batteryVoltage},
    {controls::AbNumEdit32, Measurement::panelVoltage},
    {controls::AbNumEdit60, Measurement::batteryPower},
    {controls::AbNumEdit67, Measurement::availableCharge},
    {controls::Ed_Perc_Batt_Disponibile, Measurement::availableCharge},
    {controls::AbNumEdit68, Measurement::actualCapacity},
    {controls::Ed_Cap_Attuale_Batt, Measurement::actualCapacity},
    {controls::AbNumEdit95, Measurement::panelPower},
    {controls::Ed_Wh_Accumulati, Measurement::energyAccumulatedWh},
    {controls::Ed_Wh_Erogati, Measurement::energySuppliedWh},
    {controls::Ed_Conv_Wh_Batt_Erog, Measurement::energyBatterySuppliedWh},
    {controls::Ed_Conv_Wh_Pann, Measurement::energyPanelWh},
    {controls::Ed_Conv_Wh_Rete_Immessa, Measurement::energyGridFedWh},
    {controls::Ed_Conv_Wh_Rete_Prelevata, Measurement::energyGridDrawnWh},
    {controls::Ed_Conv_Wh_Casa, Measurement::energyHouseWh},
    {controls::Ed_Conv_Wh_Verso_Inverter, Measurement::energyToInverterWh},
    {controls::Ed_Num_Permille_Vita_Batteria, Measurement::batteryLifeUsed},
    {controls::Ed_Pot_Conv_R, Measurement::phaseRPower},
    {controls::Ed_Pot_Conv_S, Measurement::phaseSPower},
    {controls::Ed_Pot_Conv_T, Measurement::phaseTPower},
    {controls::Ed_Ten_Conv_S, Measurement::phaseSVoltage},
    {controls::Ed_Corr_Conv_S, Measurement::phaseSCurrent},
    {controls::Ed_Ten_Conv_T, Measurement::phaseTVoltage},
    {controls::Ed_Corr_Conv_T, Measurement::phaseTCurrent},
    {controls::Ed_Err_Serv_Rete, Measurement::gridServiceErrorNumber},
    {controls::Ed_Err_Id_PAr, Measurement::parameterErrorNumber},
    {controls::Ed_Id_Err_Liberi, Measurement::freeParameterErrorNumber},
    {controls::Ed_Freq_Rete, Measurement::gridFrequency},
};

const std::pair<frontend::AnyControl, UnitLamp> LampControls[] = {
    {controls::Ld_Err_Serv_Rete, UnitLamp::gridServiceError},
    {controls::Ld_Sovra_Filtro, UnitLamp::gridOverfrequency},
    {controls::Ld_Sotto_Filtro, UnitLamp::gridUnderfrequency},
    {controls::Ld_Sovra_T_Filtro, UnitLamp::gridOvervoltage},
    {controls::Ld_Cum_Cei021, UnitLamp::gridServiceAction},
    {controls::Ld_Rottura_Fusibile_Pann, UnitLamp::panelFuseBroken},
    {controls::Led_Old_Batt_Scarica, UnitLamp::batteryDepleted},
    {controls::Led_Carica_Completa, UnitLamp::fullCharge},
    {controls::Ld_Err_Par_Conf, UnitLamp::parameterError},
    {controls::Ld_Err_Par_Liberi, UnitLamp::freeParameterError},
    {controls::Ld_Err_Contatori_Storico, UnitLamp::historicalDataError},
    {controls::Led_Erogoazione_Attiva, UnitLamp::supplying},
    {controls::Led_CB_Attivo, UnitLamp::batteryCharging},
    {controls::Led_All_Low_Tens_Ali, UnitLamp::lowSupplyAlarm},
    {controls::Led_All_Termico, UnitLamp::thermalAlarm},
    {controls::VrUserLed1, UnitLamp::anyAlarm},
    {controls::VrUserLed27, UnitLamp::blocked},
    {controls::VrUserLed2, UnitLamp::blocked},
    {controls::Led_Reset_Inverter, UnitLamp::inverterReset},
    {controls::Led_Blocco_Da_Eth, UnitLamp::blockedByLan},
    {controls::Led_Blocco_Da_Seriale, UnitLamp::blockedByRs485},
    {controls::Ld_Ciclico_Sin, UnitLamp::leftPhaseRotation},
    {controls::Ld_No_Fase_R, UnitLamp::noPhaseR},
    {controls::Ld_No_Fase_S, UnitLamp::noPhaseS},
    {controls::Ld_No_Fase_T, UnitLamp::noPhaseT},
    {controls::Ld_Errore_Dati_Accumulo, UnitLamp::accumulationDataError},
    {controls::Ld_Err_Id_Orvane, UnitLamp::idDataError},
    {controls::Ld_No_Eui, UnitLamp::euiError},
    {controls::Ld_Clock_No_Presente, UnitLamp::clockError},
    {controls::Ld_Batt_Esausta_Num_Cicli, UnitLamp::batteryExhaustedByCycles},
    {controls::Ld_Fault_Batt_In_Carica, UnitLamp::chargeFault},
    {controls::Ld_Err_Contatori_Interni, UnitLamp::internalCountersError},
    {controls::Ld_Fault_Batteria_Carica, UnitLamp::batteryFault},
};

const std::pair<frontend::AnyControl, int UnitClock::*> DigitControls[] = {
    {controls::Vr_Day, &UnitClock::day},   {controls::Vr_Mese, &UnitClock::month},
    {controls::VrAnno, &UnitClock::year},  {controls::VrOra, &UnitClock::hour},
    {controls::VrMin, &UnitClock::minute}, {controls::VrSec, &UnitClock::second},
};

template <class Entry, std::size_t N>
const Entry* Find(const Entry (&table)[N], frontend::ControlId control) {
    const auto* it = std::find_if(std::begin(table), std::end(table),
                                  [&](const Entry& e) { return e.first.id() == control; });
    return it == std::end(table) ? nullptr : it;
}

template <class Entry, std::size_t N, class Value>
bool Covers(const Entry (&table)[N], Value v) {
    return std::any_of(std::begin(table), std::end(table),
                       [&](const Entry& e) { return e.second == v; });
}

// A snapshot in which every value differs from every other; over the passes each lamp is
// lit by the bits of its own number, so no two lamps are lit alike in all of them.
UnitSnapshot Distinct(int pass) {
    UnitSnapshot s;
    for (std::size_t i = 0; i < monitor::MeasurementCount; ++i)
        s.measurements[i] = 1000.0 * pass + static_cast<double>(i) + 0.25;
    for (std::size_t i = 0; i < monitor::UnitLampCount; ++i)
        s.lamps[i] = ((i + 1) >> pass & 1) != 0;
    s.clock = {pass + 1, pass + 2, 2000 + pass + 3, pass + 4, pass + 5, pass + 6};
    return s;
}

TEST(SnapshotView, everyLiveControlShowsItsOwnSnapshotEntryAndNothingElseIsWritten) {
    testing::FakeScreen screen;
    SnapshotView view{screen, screen};
    for (int pass = 0; pass < 6; ++pass) {
        SCOPED_TRACE(pass);
        const UnitSnapshot snapshot = Distinct(pass);
        view.take(snapshot);

        for (const auto& [control, shown] : screen.numbers) {
            const auto* entry = Find(NumberControls, control);
            ASSERT_NE(entry, nullptr) << control << " shows no snapshot entry";
            EXPECT_EQ(shown, snapshot.value(entry->second)) << control;
        }
        for (const auto& [control, lit] : screen.lamps) {
            const auto* entry = Find(LampControls, control);
            ASSERT_NE(entry, nullptr) << control << " shows no snapshot lamp";
            EXPECT_EQ(lit, snapshot.lit(entry->second)) << control;
        }
        for (const auto& [control, shown] : screen.digits) {
            const auto* entry = Find(DigitControls, control);
            ASSERT_NE(entry, nullptr) << control << " shows no clock part";
            EXPECT_EQ(shown, snapshot.clock.*(entry->second)) << control;
        }
    }
    EXPECT_EQ(screen.numbers.size(), std::size(NumberControls));
    EXPECT_EQ(screen.lamps.size(), std::size(LampControls));
    EXPECT_EQ(screen.digits.size(), std::size(DigitControls));
    for (std::size_t i = 0; i < monitor::MeasurementCount; ++i)
        EXPECT_TRUE(Covers(NumberControls, static_cast<Measurement>(i)))
            << monitor::Describe(Measurement(i)).id;
    for (std::size_t i = 0; i < monitor::UnitLampCount; ++i)
        EXPECT_TRUE(Covers(LampControls, static_cast<UnitLamp>(i)))
            << monitor::Describe(UnitLamp(i)).id;
}

TEST(SnapshotView, theFirmwareLabelAndThenTheLinkLineAreWrittenLast) {
    using testing::ScreenWrite;
    const ScreenWrite label{"setText", controls::Label_Ver_FW.id()};
    const ScreenWrite lineText{"setText", controls::Vr_String.id()};
    const ScreenWrite lineScroll{"setAutoScroll", controls::Vr_String.id()};
    const ScreenWrite lastDigit{"setDigits", controls::VrSec.id()};
    struct Case {
        monitor::LinkState link;
        std::vector<ScreenWrite> lastWrites;
    };
    const Case cases[] = {
        {{LinkCondition::communicationError, "Errore di comunicazione", true, true},
         {label, lineText, lineScroll}},
        {{LinkCondition::ok, "Comunicazione OK", false, true}, {label, lineScroll, lineText}},
        {{LinkCondition::starting, "Avviato", false, false}, {lastDigit, label}},
    };
    for (const Case& c : cases) {
        testing::FakeScreen screen;
        SnapshotView view{screen, screen};
        UnitSnapshot snapshot;
        snapshot.firmware = {1, 7, 12, true};
        snapshot.link = c.link;
        view.take(snapshot);
        ASSERT_GE(screen.writeLog.size(), c.lastWrites.size());
        EXPECT_EQ(std::vector<ScreenWrite>(screen.writeLog.end() - c.lastWrites.size(),
                                           screen.writeLog.end()),
                  c.lastWrites)
            << c.link.matrixText;
        EXPECT_EQ(screen.text(controls::Label_Ver_FW), " 1. 7.12");
        EXPECT_EQ(screen.text(controls::Vr_String), c.link.lineUpdated ? c.link.matrixText : "");
    }
}

}  // namespace
}  // namespace orvane::ui
