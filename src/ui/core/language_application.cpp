#include "ui/core/language_application.h"

#include <array>
#include <string>
#include <vector>

#include "params/free_configuration_layout.h"
#include "params/limit_labels.h"

namespace orvane::ui {

namespace {

using frontend::Chart;
using frontend::Screen;
namespace controls = frontend::controls;

struct ChannelSetup {
    double from;
    double to;
    std::string_view unit;
};

// `Trend_1` channels 1..8: grid, house, battery power, battery voltage, panel power, the
// two temperatures, and an unfed eighth.
constexpr std::array<ChannelSetup, 8> TrendChannels{{
    {-16000, 16000, "[W]"},
    {-16000, 16000, "[W]"},
    {-1600, 1600, "[W]"},
    {0, 60, "[V]"},
    {0, 4500, "[W]"},
    {0, 100, "[\u00B0C]"},
    {0, 100, "[\u00B0C]"},
    {-33, 33, "[I]"},
}};

// The three phases share the grid range, split three ways.
constexpr double PhaseRange = 16000 / 3;

std::vector<std::string> Rows(const catalogue::Language& language, int first, int last) {
    std::vector<std::string> items;
    for (int row = first; row <= last; ++row)
        items.emplace_back(language.text(row));
    return items;
}

std::string WithProductWord(std::string_view text) {
    return std::string(text) + std::string(catalogue::ProductWord);
}

void RefillList(Screen& screen, frontend::ListControl list, const std::vector<std::string>& items,
                int select) {
    screen.setListItems(list, items);
    screen.setListIndex(list, select);
}

// Refills a parameter list and selects again what was selected; returns that entry.
int RefillKeepingSelection(Screen& screen, const frontend::ScreenReader& shown,
                           frontend::ListControl list, const std::vector<std::string>& items) {
    const int selected = shown.listIndex(list);
    const int kept = selected >= 0 && selected < static_cast<int>(items.size()) ? selected : 0;
    RefillList(screen, list, items, kept);
    return kept;
}

}  // namespace

void ApplyLanguage(Screen& screen, const frontend::ScreenReader& shown,
                   params::FreeConfigurationLayout& layout, const catalogue::Language& language,
                   bool linkStarted, monitor::PollState& poll) {
    const bool italian = language.LanguageIndex == catalogue::Italian;

    // Captions of pages, groups, labels and buttons.
    for (const frontend::CaptionedControl& c : frontend::CaptionedControls) {
        const std::string_view text = language.text(c.caption.row);
        if (c.caption.source == frontend::CaptionSource::Row)
            screen.setText(c.control, text);
        else if (c.caption.source == frontend::CaptionSource::RowWithProduct)
            screen.setText(c.control, WithProductWord(text));
    }
    screen.setText(controls::Lb_Dispositivo, catalogue::ProductWord);
    screen.setText(controls::Bt_Open, language.text(linkStarted ? catalogue::row::StopButton
                                                                : catalogue::row::StartButton));
    screen.setText(controls::Form1,
                   std::string(catalogue::ProductWord) + std::string(language.text(205)));
    screen.setText(controls::Gruppo_Firmware, WithProductWord("Firmware "));

    screen.setVisible(controls::Gr_Par_Avanzati, false);
    screen.setEnabled(controls::Gr_Par_Avanzati, true);
    screen.setVisible(controls::Tab_Trifase, true);
    screen.setVisible(controls::Gr_Dati_Casa, false);
    params::ShowOwnProductPicture(screen);

    for (int ch = 1; ch <= 3; ++ch) {
        screen.setTrendVisible(Chart::Trifase, ch, true);
        screen.setTrendRange(Chart::Trifase, ch, -PhaseRange, PhaseRange);
        screen.setTrendUnit(Chart::Trifase, ch, "[W]");
    }
    for (int ch = 1; ch <= 8; ++ch) {
        const ChannelSetup& setup = TrendChannels[static_cast<std::size_t>(ch - 1)];
        screen.setTrendRange(Chart::Trend1, ch, setup.from, setup.to);
        screen.setTrendUnit(Chart::Trend1, ch, setup.unit);
    }
    screen.setTrendVisible(Chart::Trend1, 8, false);
    screen.setTrendScales(Chart::Trend1, 1, 3);

    RefillList(screen, controls::Cb_Scala, Rows(language, 149, 155), 0);
    RefillList(screen, controls::Cb_Sel_Lingua, {"Italiano", "English"}, language.LanguageIndex);
    const int batteryType = RefillKeepingSelection(
        screen, shown, controls::Cb_Tipo_Batt,
        Rows(language, catalogue::row::BatteryTypeFirst, catalogue::row::BatteryTypeFirst + 6));
    RefillKeepingSelection(
        screen, shown, controls::Cb_Tipo_Inverter,
        Rows(language, catalogue::row::InverterTypeFirst, catalogue::row::InverterTypeFirst + 5));
    // The free groups were hidden above; they come back, captioned anew, with their type.
    if (batteryType == params::FreeConfigurationType)
        layout.ShowFreeConfiguration();

    params::ShowLimitLabels(screen, params::LimitLabelGroup::Language, language.LanguageIndex);

    for (frontend::AnyControl control : {frontend::AnyControl(controls::Tab_Cei_021),
                                         frontend::AnyControl(controls::Lb_Cum_All_Cei021),
                                         frontend::AnyControl(controls::Ld_Cum_Cei021)})
        screen.setVisible(control, italian);

    poll.FirmwareVersion = {0, 0, 0};
    screen.setText(controls::Label_Ver_FW, "0.0.0");
}

}  // namespace orvane::ui
