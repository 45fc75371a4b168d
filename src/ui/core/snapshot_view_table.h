// Where the window shows each entry of the unit snapshot, in the order the controls are
// written on every tick: the measurements with their trend channels, then the status lamps
// and numbers in block order, then the clock digits. A measurement shown in two fields has
// a row for each. Constant data read by `SnapshotView`; any thread.
#pragma once

#include <array>
#include <optional>
#include <variant>

#include "frontend/screen.h"
#include "monitor/unit_snapshot.h"

namespace orvane::ui {

using LiveField = frontend::Control<frontend::ControlKind::NumericField>;
using TrendBox = frontend::Control<frontend::ControlKind::CheckBox>;

struct ShowNumber {
    monitor::Measurement value;
    LiveField field;
};

struct FeedTrend {
    monitor::Measurement value;
    frontend::Chart chart;
    int channel;
    std::optional<TrendBox> drawnWhile;  // Trend_1 channels are drawn while their box is ticked
    bool negativeAsZero;                 // the panel cannot feed back; a reading below 0 is noise
};

struct ShowLamp {
    monitor::UnitLamp lamp;
    frontend::LampControl control;
};

struct ShowDigits {
    int monitor::UnitClock::*part;
    frontend::DigitsControl control;
};

using SnapshotWrite = std::variant<ShowNumber, FeedTrend, ShowLamp, ShowDigits>;

namespace detail {
constexpr SnapshotWrite Plot1(monitor::Measurement value, int channel, TrendBox box,
                              bool negativeAsZero = false) {
    return FeedTrend{value, frontend::Chart::Trend1, channel, box, negativeAsZero};
}
constexpr SnapshotWrite PlotPhase(monitor::Measurement value, int channel) {
    return FeedTrend{value, frontend::Chart::Trifase, channel, std::nullopt, false};
}
}  // namespace detail

inline constexpr std::array SnapshotWrites = [] {
    using namespace detail;
    using namespace frontend::controls;
    using enum monitor::Measurement;
    using enum monitor::UnitLamp;
    using monitor::UnitClock;
    using N = ShowNumber;
    using L = ShowLamp;
    using D = ShowDigits;
    return std::to_array<SnapshotWrite>({
        // TrendBlock; phase R and the three-phase total repeat the grid's words.
        N{gridVoltage, AbNumEdit20},
        N{gridVoltage, Ed_Ten_Conv_R},
        N{gridCurrent, AbNumEdit21},
        N{gridCurrent, Ed_Corr_Conv_R},
        N{gridPower, AbNumEdit22},
        N{gridPower, Ed_Conv_Pot_Somma},
        Plot1(gridPower, 1, Ck_P_Rete),
        N{houseVoltage, AbNumEdit23},
        N{houseCurrent, AbNumEdit24},
        N{housePower, AbNumEdit25},
        Plot1(housePower, 2, Ck_P_Casa),
        N{chargerTemperature, AbNumEdit28},
        Plot1(chargerTemperature, 7, Ck_Temp_CB),
        N{supplyStageTemperature, AbNumEdit27},
        Plot1(supplyStageTemperature, 6, Ck_T_Diss),
        N{batteryTemperature, AbNumEdit26},
        N{batteryCurrent, AbNumEdit31},
        N{batteryVoltage, AbNumEdit30},
        Plot1(batteryVoltage, 4, Ck_V_Batt),
        N{panelVoltage, AbNumEdit32},
        N{batteryPower, AbNumEdit60},
        Plot1(batteryPower, 3, Ck_I_Batt),
        N{availableCharge, AbNumEdit67},
        N{availableCharge, Ed_Perc_Batt_Disponibile},
        N{actualCapacity, AbNumEdit68},
        N{actualCapacity, Ed_Cap_Attuale_Batt},
        N{panelPower, AbNumEdit95},
        Plot1(panelPower, 5, Ck_P_Pann, true),
        N{energyAccumulatedWh, Ed_Wh_Accumulati},
        N{energySuppliedWh, Ed_Wh_Erogati},
        N{energyBatterySuppliedWh, Ed_Conv_Wh_Batt_Erog},
        N{energyPanelWh, Ed_Conv_Wh_Pann},
        N{energyGridFedWh, Ed_Conv_Wh_Rete_Immessa},
        N{energyGridDrawnWh, Ed_Conv_Wh_Rete_Prelevata},
        N{energyHouseWh, Ed_Conv_Wh_Casa},
        N{energyToInverterWh, Ed_Conv_Wh_Verso_Inverter},
        N{batteryLifeUsed, Ed_Num_Permille_Vita_Batteria},
        N{phaseRPower, Ed_Pot_Conv_R},
        PlotPhase(phaseRPower, 1),
        N{phaseSPower, Ed_Pot_Conv_S},
        PlotPhase(phaseSPower, 2),
        N{phaseTPower, Ed_Pot_Conv_T},
        PlotPhase(phaseTPower, 3),
        N{phaseSVoltage, Ed_Ten_Conv_S},
        N{phaseSCurrent, Ed_Corr_Conv_S},
        N{phaseTVoltage, Ed_Ten_Conv_T},
        N{phaseTCurrent, Ed_Corr_Conv_T},
        // LiveBlockA
        L{gridServiceError, Ld_Err_Serv_Rete},
        L{gridOverfrequency, Ld_Sovra_Filtro},
        L{gridUnderfrequency, Ld_Sotto_Filtro},
        L{gridOvervoltage, Ld_Sovra_T_Filtro},
        L{gridServiceAction, Ld_Cum_Cei021},
        L{panelFuseBroken, Ld_Rottura_Fusibile_Pann},
        N{gridServiceErrorNumber, Ed_Err_Serv_Rete},
        L{batteryDepleted, Led_Old_Batt_Scarica},
        L{fullCharge, Led_Carica_Completa},
        L{parameterError, Ld_Err_Par_Conf},
        L{freeParameterError, Ld_Err_Par_Liberi},
        L{historicalDataError, Ld_Err_Contatori_Storico},
        L{supplying, Led_Erogoazione_Attiva},
        L{batteryCharging, Led_CB_Attivo},
        L{lowSupplyAlarm, Led_All_Low_Tens_Ali},
        L{thermalAlarm, Led_All_Termico},
        L{anyAlarm, VrUserLed1},
        L{blocked, VrUserLed27},  // Trend page
        L{blocked, VrUserLed2},   // Parameters page
        L{inverterReset, Led_Reset_Inverter},
        L{blockedByLan, Led_Blocco_Da_Eth},
        L{blockedByRs485, Led_Blocco_Da_Seriale},
        L{leftPhaseRotation, Ld_Ciclico_Sin},
        L{noPhaseR, Ld_No_Fase_R},
        L{noPhaseS, Ld_No_Fase_S},
        L{noPhaseT, Ld_No_Fase_T},
        N{parameterErrorNumber, Ed_Err_Id_PAr},
        N{freeParameterErrorNumber, Ed_Id_Err_Liberi},
        N{gridFrequency, Ed_Freq_Rete},
        L{accumulationDataError, Ld_Errore_Dati_Accumulo},
        L{idDataError, Ld_Err_Id_Orvane},
        L{euiError, Ld_No_Eui},
        L{clockError, Ld_Clock_No_Presente},
        L{batteryExhaustedByCycles, Ld_Batt_Esausta_Num_Cicli},
        L{chargeFault, Ld_Fault_Batt_In_Carica},
        L{internalCountersError, Ld_Err_Contatori_Interni},
        // LiveBlockB
        L{batteryFault, Ld_Fault_Batteria_Carica},
        // ClockBlock
        D{&UnitClock::day, Vr_Day},
        D{&UnitClock::month, Vr_Mese},
        D{&UnitClock::year, VrAnno},
        D{&UnitClock::hour, VrOra},
        D{&UnitClock::minute, VrMin},
        D{&UnitClock::second, VrSec},
    });
}();

// Everything the snapshot holds of the unit reaches the window.
static_assert([] {
    std::array<bool, monitor::MeasurementCount> measurements{};
    std::array<bool, monitor::UnitLampCount> lamps{};
    for (const SnapshotWrite& write : SnapshotWrites) {
        if (std::holds_alternative<ShowNumber>(write))
            measurements[static_cast<std::size_t>(std::get<ShowNumber>(write).value)] = true;
        if (std::holds_alternative<ShowLamp>(write))
            lamps[static_cast<std::size_t>(std::get<ShowLamp>(write).lamp)] = true;
    }
    for (bool shown : measurements)
        if (!shown)
            return false;
    for (bool shown : lamps)
        if (!shown)
            return false;
    return true;
}());

}  // namespace orvane::ui
