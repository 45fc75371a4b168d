#include "ui/core/language_application.h"

#include <array>
#include <string>
#include <vector>

#include "params/limit_labels.h"
#include "ui/core/caption_table.h"

namespace orvane::ui {

namespace {

using monitor::Chart;
using monitor::Screen;

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

constexpr std::array<std::string_view, 4> ProductPictures{"Immagine_Kelvora", "Immagine_Orvane",
                                                          "Immagine_Mirdal", "Immagine_Tessop"};

std::vector<std::string> Rows(const Language& language, int first, int last) {
    std::vector<std::string> items;
    for (int row = first; row <= last; ++row)
        items.emplace_back(language.text(row));
    return items;
}

std::string WithProductWord(std::string_view text) {
    return std::string(text) + std::string(ProductWord);
}

void RefillList(Screen& screen, std::string_view list, const std::vector<std::string>& items,
                int select) {
    screen.setListItems(list, items);
    screen.setListIndex(list, select);
}

// Refills a parameter list and selects again what was selected; returns that entry.
int RefillKeepingSelection(Screen& screen, const monitor::ScreenReader& shown,
                           std::string_view list, const std::vector<std::string>& items) {
    const int selected = shown.listIndex(list);
    const int kept = selected >= 0 && selected < static_cast<int>(items.size()) ? selected : 0;
    RefillList(screen, list, items, kept);
    return kept;
}

}  // namespace

void ApplyLanguage(Screen& screen, const monitor::ScreenReader& shown,
                   params::FreeConfigurationLayout& layout, const Language& language,
                   bool linkStarted, monitor::PollState& poll) {
    const bool italian = language.LanguageIndex == Italian;

    // Captions of pages, groups, labels and buttons.
    for (const Caption& c : CaptionTable()) {
        const std::string_view text = language.text(c.row);
        screen.setText(c.control, c.withProductWord ? WithProductWord(text) : std::string(text));
    }
    screen.setText("Lb_Dispositivo", ProductWord);
    screen.setText("Bt_Open", language.text(linkStarted ? row::StopButton : row::StartButton));
    screen.setText("Form1", std::string(ProductWord) + std::string(language.text(205)));
    screen.setText("Gruppo_Firmware", WithProductWord("Firmware "));

    screen.setVisible("Gr_Par_Avanzati", false);
    screen.setEnabled("Gr_Par_Avanzati", true);
    screen.setVisible("Tab_Trifase", true);
    screen.setVisible("Gr_Dati_Casa", false);
    for (std::string_view picture : ProductPictures)
        screen.setVisible(picture, picture == "Immagine_Orvane");

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

    RefillList(screen, "Cb_Scala", Rows(language, 149, 155), 0);
    RefillList(screen, "Cb_Sel_Lingua", {"Italiano", "English"}, language.LanguageIndex);
    const int batteryType =
        RefillKeepingSelection(screen, shown, "Cb_Tipo_Batt",
                               Rows(language, row::BatteryTypeFirst, row::BatteryTypeFirst + 6));
    RefillKeepingSelection(screen, shown, "Cb_Tipo_Inverter",
                           Rows(language, row::InverterTypeFirst, row::InverterTypeFirst + 5));
    // The free groups were hidden above; they come back, captioned anew, with their type.
    if (batteryType == params::FreeConfigurationType)
        layout.ShowFreeConfiguration();

    params::ShowLimitLabels(screen, params::LimitLabelGroup::Language, language.LanguageIndex);

    for (std::string_view control : {"Tab_Cei_021", "Lb_Cum_All_Cei021", "Ld_Cum_Cei021"})
        screen.setVisible(control, italian);

    poll.FirmwareVersion = {0, 0, 0};
    screen.setText("Label_Ver_FW", "0.0.0");
}

}  // namespace orvane::ui
