// Where every shown byte of the stored answer blocks goes: one table per block, each row
// naming the field's position, width, scale and the control (and trend channel) that shows
// it. The decoder walks these tables; nothing else knows the block layouts. Constant data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

#include "frontend/screen.h"
#include "monitor/poll_state.h"

namespace orvane::monitor {

// ---- TrendBlock: 54 little-endian measurement words ----

enum class WordKind : std::uint8_t { Unsigned16, Signed16, Unsigned32, Signed32 };
// Measurements are shown smoothed; counters and energy totals exactly as received.
enum class Source : std::uint8_t { Smoothed, Latest };

using LiveField = frontend::Control<frontend::ControlKind::NumericField>;

struct TrendFeed {
    frontend::Chart chart = frontend::Chart::Trend1;
    int channel = 0;  // 0: not plotted
    // Trend_1 channels are drawn while their box is ticked.
    std::optional<frontend::Control<frontend::ControlKind::CheckBox>> checkBox;
    bool negativeAsZero = false;  // the panel cannot feed back; a reading below 0 is noise
};

struct TrendField {
    std::uint8_t byte;  // first byte in the block (even)
    WordKind kind;
    double scale;  // shown value = raw / scale
    Source from;
    LiveField control;
    std::optional<LiveField> alsoIn;  // a second field showing the same value
    TrendFeed trend;
};

namespace detail {
constexpr TrendField Field(std::uint8_t byte, WordKind kind, double scale, Source from,
                           LiveField control, std::optional<LiveField> alsoIn = {},
                           TrendFeed trend = {}) {
    return TrendField{byte, kind, scale, from, control, alsoIn, trend};
}
constexpr TrendFeed Plot1(int channel, frontend::Control<frontend::ControlKind::CheckBox> checkBox,
                          bool negativeAsZero = false) {
    return TrendFeed{frontend::Chart::Trend1, channel, checkBox, negativeAsZero};
}
constexpr TrendFeed PlotPhase(int channel) {
    return TrendFeed{frontend::Chart::Trifase, channel, {}, false};
}
}  // namespace detail

inline constexpr std::array TrendBlockFields = [] {
    using namespace detail;
    using namespace frontend::controls;
    constexpr auto U16 = WordKind::Unsigned16, S16 = WordKind::Signed16;
    constexpr auto U32 = WordKind::Unsigned32, S32 = WordKind::Signed32;
    constexpr auto S = Source::Smoothed, L = Source::Latest;
    return std::array{
        Field(0, U16, 10, S, AbNumEdit20, Ed_Ten_Conv_R),   // grid voltage = phase R
        Field(2, U16, 10, S, AbNumEdit21, Ed_Corr_Conv_R),  // grid current = phase R
        Field(4, S16, 1, S, AbNumEdit22, Ed_Conv_Pot_Somma, Plot1(1, Ck_P_Rete)),
        Field(6, U16, 10, S, AbNumEdit23),  // house voltage
        Field(8, U16, 10, S, AbNumEdit24),  // house current
        Field(10, S16, 1, S, AbNumEdit25, {}, Plot1(2, Ck_P_Casa)),
        Field(12, S16, 10, S, AbNumEdit28, {}, Plot1(7, Ck_Temp_CB)),  // charger °C
        Field(14, S16, 10, S, AbNumEdit27, {}, Plot1(6, Ck_T_Diss)),   // supply stage °C
        Field(16, S16, 10, S, AbNumEdit26),                            // battery °C
        Field(18, S16, 10, S, AbNumEdit31),                            // battery current
        Field(20, U16, 10, S, AbNumEdit30, {}, Plot1(4, Ck_V_Batt)),
        Field(22, U16, 10, S, AbNumEdit32),                          // panel string voltage
        Field(32, S16, 1, S, AbNumEdit60, {}, Plot1(3, Ck_I_Batt)),  // battery power
        Field(34, U16, 10, L, AbNumEdit67, Ed_Perc_Batt_Disponibile),
        Field(36, U16, 10, L, AbNumEdit68, Ed_Cap_Attuale_Batt),
        Field(40, S16, 1, S, AbNumEdit95, {}, Plot1(5, Ck_P_Pann, true)),  // panel power
        Field(48, U32, 1, L, Ed_Wh_Accumulati),
        Field(52, U32, 1, L, Ed_Wh_Erogati),
        Field(56, S32, 1, L, Ed_Conv_Wh_Batt_Erog),
        Field(60, S32, 1, L, Ed_Conv_Wh_Pann),
        Field(64, S32, 1, L, Ed_Conv_Wh_Rete_Immessa),
        Field(68, S32, 1, L, Ed_Conv_Wh_Rete_Prelevata),
        Field(72, S32, 1, L, Ed_Conv_Wh_Casa),
        Field(84, S32, 1, L, Ed_Conv_Wh_Verso_Inverter),
        Field(88, U16, 1, L, Ed_Num_Permille_Vita_Batteria),
        Field(92, S16, 1, S, Ed_Pot_Conv_R, {}, PlotPhase(1)),
        Field(94, S16, 1, S, Ed_Pot_Conv_S, {}, PlotPhase(2)),
        Field(96, S16, 1, S, Ed_Pot_Conv_T, {}, PlotPhase(3)),
        Field(98, U16, 10, S, Ed_Ten_Conv_S),
        Field(100, U16, 10, S, Ed_Corr_Conv_S),
        Field(102, U16, 10, S, Ed_Ten_Conv_T),
        Field(104, U16, 10, S, Ed_Corr_Conv_T),
    };
}();

// The smoothed words under a 32-bit total are halves of one number and mean nothing alone.
static_assert([] {
    for (const TrendField& f : TrendBlockFields) {
        const bool wide = f.kind == WordKind::Unsigned32 || f.kind == WordKind::Signed32;
        if (wide && f.from != Source::Latest)
            return false;
        if (f.byte % 2 != 0 || std::size_t{f.byte} + (wide ? 4u : 2u) > TrendBlockSize)
            return false;
    }
    return true;
}());

// ---- Status blocks and the unit's clock: bytes, bits and small counters ----

// The control a status field is shown in; its kind says how (lamp, number or digits).
using StatusControl = std::variant<frontend::LampControl, LiveField, frontend::DigitsControl>;

struct StatusField {
    std::uint8_t byte;
    std::uint8_t mask;   // lamp: lit while any of these bits is 1
    std::uint8_t width;  // number, digits: 1 or 2 bytes
    double scale;        // shown value = raw / scale + offset
    double offset;
    StatusControl control;
};

namespace detail {
constexpr std::uint8_t Bit(int n) {
    return static_cast<std::uint8_t>(1u << n);
}
constexpr StatusField Lamp(std::uint8_t byte, std::uint8_t mask, frontend::LampControl control) {
    return StatusField{byte, mask, 1, 1, 0, control};
}
constexpr StatusField Number(std::uint8_t byte, std::uint8_t width, double scale,
                             LiveField control) {
    return StatusField{byte, 0, width, scale, 0, control};
}
constexpr StatusField Digits(std::uint8_t byte, frontend::DigitsControl control,
                             double offset = 0) {
    return StatusField{byte, 0, 1, 1, offset, control};
}
}  // namespace detail

inline constexpr std::array LiveBlockAFields = [] {
    using namespace detail;
    using namespace frontend::controls;
    return std::array{
        Lamp(28, Bit(0), Ld_Err_Serv_Rete),
        Lamp(28, Bit(3), Ld_Sovra_Filtro),
        Lamp(28, Bit(4), Ld_Sotto_Filtro),
        Lamp(28, Bit(6), Ld_Sovra_T_Filtro),
        Lamp(28, Bit(3) | Bit(4) | Bit(6), Ld_Cum_Cei021),  // any grid-service action
        Lamp(28, Bit(7), Ld_Rottura_Fusibile_Pann),
        Number(29, 1, 1, Ed_Err_Serv_Rete),
        Lamp(30, Bit(1), Led_Old_Batt_Scarica),
        Lamp(30, Bit(2), Led_Carica_Completa),
        Lamp(30, Bit(4), Ld_Err_Par_Conf),
        Lamp(30, Bit(5), Ld_Err_Par_Liberi),
        Lamp(30, Bit(6), Ld_Err_Contatori_Storico),
        Lamp(31, Bit(2), Led_Erogoazione_Attiva),
        Lamp(31, Bit(5), Led_CB_Attivo),
        Lamp(32, Bit(0), Led_All_Low_Tens_Ali),
        Lamp(32, Bit(1), Led_All_Termico),
        Lamp(32, Bit(0) | Bit(1) | Bit(2) | Bit(3) | Bit(6), VrUserLed1),  // any alarm
        Lamp(33, Bit(0), VrUserLed27),                                     // blocked, Trend page
        Lamp(33, Bit(0), VrUserLed2),  // blocked, Parameters page
        Lamp(33, Bit(2), Led_Reset_Inverter),
        Lamp(33, Bit(6), Led_Blocco_Da_Eth),
        Lamp(34, Bit(3), Led_Blocco_Da_Seriale),
        Lamp(35, Bit(3), Ld_Ciclico_Sin),
        Lamp(35, Bit(4), Ld_No_Fase_R),
        Lamp(35, Bit(5), Ld_No_Fase_S),
        Lamp(35, Bit(6), Ld_No_Fase_T),
        Number(96, 1, 1, Ed_Err_Id_PAr),
        Number(97, 1, 1, Ed_Id_Err_Liberi),
        Number(106, 2, 100, Ed_Freq_Rete),  // Hz x 100
        Lamp(116, Bit(5), Ld_Errore_Dati_Accumulo),
        Lamp(116, Bit(6), Ld_Err_Id_Orvane),
        Lamp(116, Bit(7), Ld_No_Eui),
        Lamp(117, Bit(0), Ld_Clock_No_Presente),
        Lamp(117, Bit(1), Ld_Batt_Esausta_Num_Cicli),
        Lamp(117, Bit(2), Ld_Fault_Batt_In_Carica),
        Lamp(126, Bit(2), Ld_Err_Contatori_Interni),
    };
}();

inline constexpr std::array LiveBlockBFields = [] {
    using namespace detail;
    using namespace frontend::controls;
    return std::array{Lamp(20, Bit(1), Ld_Fault_Batteria_Carica)};
}();

inline constexpr std::array ClockBlockFields = [] {
    using namespace detail;
    using namespace frontend::controls;
    return std::array{
        Digits(0, Vr_Day), Digits(1, Vr_Mese), Digits(2, VrAnno, 2000),
        Digits(3, VrOra),  Digits(4, VrMin),   Digits(5, VrSec),
    };
}();

template <std::size_t N, std::size_t BlockSize>
constexpr bool FitsBlock(const std::array<StatusField, N>& fields) {
    for (const StatusField& f : fields)
        if (std::size_t{f.byte} + f.width > BlockSize)
            return false;
    return true;
}
static_assert(FitsBlock<LiveBlockAFields.size(), LiveBlockASize>(LiveBlockAFields));
static_assert(FitsBlock<LiveBlockBFields.size(), LiveBlockBSize>(LiveBlockBFields));
static_assert(FitsBlock<ClockBlockFields.size(), ClockBlockSize>(ClockBlockFields));

}  // namespace orvane::monitor
