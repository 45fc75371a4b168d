#include "params/limit_labels.h"

#include <array>
#include <cstdio>
#include <optional>

#include "catalogue/message_catalogue.h"
#include "params/field_table.h"

namespace orvane::params {

namespace {

enum class Word { None, Data, PanelCount };

using Label = frontend::Control<frontend::ControlKind::Label>;

struct LimitLabel {
    LimitLabelGroup group;
    std::array<std::optional<Label>, 5> labels;  // unused slots empty
    std::string_view format;
    Field bounds;  // whose accepted range the label states
    Word word = Word::None;
};

using G = LimitLabelGroup;
using namespace frontend::controls;

constexpr std::array<LimitLabel, 15> Labels{{
    {G::Language, {Label189}, "%3i < [Ah] < %3i", Field::capacityAh},
    {G::Language, {Lb_Num_Pann}, "%3i <%s< %3i", Field::panelCount, Word::PanelCount},
    {G::Language, {Lb_Max_W_Mppt}, "%3i<[W]<%3i", Field::maxMpptPowerW},
    {G::Language, {Lb_Max_Corr_Erog}, "%3i<[A]<%3i", Field::maxSupplyCurrentA},
    // One text for the five voltage thresholds that share 350..600.
    {G::Language,
     {Label139, Label164, Label140, Label142, Label177},
     "%3i <V*10< %3i",
     Field::endChargeVoltage},
    {G::Language, {Label11}, "%3i <V*10< %3i", Field::standbyDeepDischargeVoltage},
    {G::Language, {Lb_Limiti_Div_Carica}, "%3i <%s< %3i", Field::chargeCurrentDivider, Word::Data},
    {G::Language,
     {Lb_Limite_Per_Cap_Assorbibile},
     "%3i <%s< %3i",
     Field::absorbablePercent,
     Word::Data},
    {G::Language, {Label216, Label217}, "%3i <R*10< %3i", Field::dischargeEfficiencyPermille},
    {G::Language,
     {Lb_Estremi_Div_Corr_Batt_Estate},
     "%3i <%s< %3i",
     Field::endChargeDividerSummer,
     Word::Data},
    {G::Language, {Label190}, "%3i <%s< %3i", Field::fullChargeAfterSummer, Word::Data},
    {G::Language, {Label175, Label194, Label179}, "%3i <Min.<%3i", Field::cvMinutesNormalSummer},
    {G::GridService,
     {Lb_Lim_Sovra_Freq_Min, Lb_Lim_Sovra_Freq_Max},
     "%3i<[Hz*10]<%3i",
     Field::overFreqStart},
    {G::GridService,
     {Lb_Lim_Sotto_Freq_Min, Lb_Lim_Sotto_Freq_Max},
     "%3i<[Hz*10]<%3i",
     Field::underFreqStart},
    {G::GridService, {Lb_Init_Limitazione}, "%3i<=[%%*10]<=%3i", Field::overvoltageStart},
}};

std::string_view WordText(Word w, int languageIndex) {
    switch (w) {
        case Word::Data:
            return catalogue::DataWord(languageIndex);
        case Word::PanelCount:
            return catalogue::PanelCountWord(languageIndex);
        case Word::None:
            break;
    }
    return {};
}

}  // namespace

std::string FormatLimitLabel(std::string_view format, std::uint32_t low, std::string_view word,
                             std::uint32_t high) {
    std::string out;
    bool lowDone = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format.compare(i, 3, "%3i") == 0) {
            char number[16];
            std::snprintf(number, sizeof number, "%3u", lowDone ? high : low);
            out += number;
            lowDone = true;
            i += 2;
        } else if (format.compare(i, 2, "%s") == 0) {
            out += word;
            ++i;
        } else if (format.compare(i, 2, "%%") == 0) {
            out += '%';
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

void ShowLimitLabels(frontend::Screen& screen, LimitLabelGroup group, int languageIndex) {
    for (const LimitLabel& l : Labels) {
        if (l.group != group)
            continue;
        const Accepted& range = Describe(l.bounds).accepted;
        const std::string text =
            FormatLimitLabel(l.format, range.low, WordText(l.word, languageIndex), range.high);
        for (const std::optional<Label>& label : l.labels)
            if (label)
                screen.setText(*label, text);
    }
}

}  // namespace orvane::params
