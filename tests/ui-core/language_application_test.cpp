#include "ui/core/language_application.h"

#include <gtest/gtest.h>

#include "support/program_rig.h"

namespace orvane::ui {

namespace controls = orvane::frontend::controls;
namespace {

using frontend::Chart;

class ApplyingALanguage : public ::testing::Test, protected testing::ProgramRig {
  protected:
    void apply(int language, bool started = false) {
        lang.LanguageIndex = language;
        ApplyLanguage(screen, screen, layout, lang, started, poll);
    }
    catalogue::Language& lang = program.language;
    monitor::PollState& poll = program.poll;
    params::FreeConfigurationLayout& layout = program.freeConfiguration;
};

TEST_F(ApplyingALanguage, englishHidesTheGridServicePartsAndItalianBringsThemBack) {
    apply(catalogue::English);
    EXPECT_FALSE(screen.visible[controls::Tab_Cei_021]);
    EXPECT_FALSE(screen.visible[controls::Ld_Cum_Cei021]);
    EXPECT_FALSE(screen.visible[controls::Lb_Cum_All_Cei021]);
    apply(catalogue::Italian);
    EXPECT_TRUE(screen.visible[controls::Tab_Cei_021]);
    EXPECT_TRUE(screen.visible[controls::Ld_Cum_Cei021]);
    EXPECT_TRUE(screen.visible[controls::Lb_Cum_All_Cei021]);
}

TEST_F(ApplyingALanguage, houseGroupStaysHiddenInBothLanguages) {
    for (int language : {catalogue::Italian, catalogue::English}) {
        screen.visible[controls::Gr_Dati_Casa] = true;
        apply(language);
        EXPECT_FALSE(screen.visible[controls::Gr_Dati_Casa]);
    }
}

TEST_F(ApplyingALanguage, startStopCaptionFollowsTheLinkState) {
    apply(catalogue::Italian, true);
    EXPECT_EQ(screen.texts[controls::Bt_Open], "Ferma");
    apply(catalogue::English, true);
    EXPECT_EQ(screen.texts[controls::Bt_Open], "Stop");
    apply(catalogue::English, false);
    EXPECT_EQ(screen.texts[controls::Bt_Open], "Start");
}

TEST_F(ApplyingALanguage, titleAndProductCaptionsCarryTheProductWord) {
    apply(catalogue::Italian);
    EXPECT_EQ(screen.texts[controls::Form1], " Orvane Configurator Trifase");
    EXPECT_EQ(screen.texts[controls::Grp_Sel_Com], "Comunicazione RS485 con  Orvane ");
    EXPECT_EQ(screen.texts[controls::Bt_Blocco], "Blocca Orvane ");
    EXPECT_EQ(screen.texts[controls::Gruppo_Firmware], "Firmware  Orvane ");
    EXPECT_EQ(screen.texts[controls::Lb_Dispositivo], " Orvane ");
    apply(catalogue::English);
    EXPECT_EQ(screen.texts[controls::Form1], " Orvane Treephase Configurator");
    EXPECT_EQ(screen.texts[controls::Tab_Cei_021], "Cei 021");
}

TEST_F(ApplyingALanguage, listsAreRefilledInTheNewLanguage) {
    apply(catalogue::English);
    EXPECT_EQ(screen.lists[controls::Cb_Scala].front(), "Grid Power");
    EXPECT_EQ(screen.lists[controls::Cb_Scala].size(), 7u);
    EXPECT_EQ(screen.indices[controls::Cb_Scala], 0);
    EXPECT_EQ(screen.lists[controls::Cb_Tipo_Batt].size(), 7u);
    EXPECT_EQ(screen.lists[controls::Cb_Tipo_Inverter].back(), "Type F");
    EXPECT_EQ(screen.lists[controls::Cb_Sel_Lingua],
              (std::vector<std::string>{"Italiano", "English"}));
    EXPECT_EQ(screen.indices[controls::Cb_Sel_Lingua], 1);
}

// The two type lists are parameters: a language switch must not turn an imported battery
// type into the first entry, which the next export would write into the unit.
TEST_F(ApplyingALanguage, theTypeListsKeepTheEntriesThatWereSelected) {
    struct Case {
        int battery;
        int inverter;
        int batteryAfter;
        int inverterAfter;
    };
    for (const Case& c : {Case{6, 3, 6, 3},
                          {0, 5, 0, 5},
                          // nothing selected, as before the first filling: first entries
                          {-1, -1, 0, 0}}) {
        screen.indices[controls::Cb_Tipo_Batt] = c.battery;
        screen.indices[controls::Cb_Tipo_Inverter] = c.inverter;
        apply(catalogue::English);
        EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Batt), c.batteryAfter) << c.battery;
        EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Inverter), c.inverterAfter) << c.inverter;
        apply(catalogue::Italian);
        EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Batt), c.batteryAfter) << c.battery;
        EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Inverter), c.inverterAfter) << c.inverter;
    }
}

TEST_F(ApplyingALanguage, theFreeConfigurationKeepsItsGroupsCaptionedInTheNewLanguage) {
    screen.indices[controls::Cb_Tipo_Batt] = params::FreeConfigurationType;
    layout.ShowFreeConfiguration();
    apply(catalogue::English);
    EXPECT_TRUE(screen.isVisible(controls::Gr_Conf_Libera));
    EXPECT_TRUE(screen.isVisible(controls::Gr_Par_Avanzati));
    EXPECT_FALSE(screen.isVisible(controls::Immagine_Orvane));
    EXPECT_EQ(screen.text(controls::Gr_Conf_Libera), "Free Parameters");

    screen.indices[controls::Cb_Tipo_Batt] = 2;
    layout.HideFreeConfiguration();
    apply(catalogue::Italian);
    EXPECT_FALSE(screen.isVisible(controls::Gr_Conf_Libera));
    EXPECT_FALSE(screen.isVisible(controls::Gr_Par_Avanzati));
    EXPECT_TRUE(screen.isVisible(controls::Immagine_Orvane));
}

TEST_F(ApplyingALanguage, limitLabelsTakeTheWordOfTheLanguage) {
    apply(catalogue::Italian);
    EXPECT_EQ(screen.texts[controls::Lb_Limiti_Div_Carica], " 20 <Dato < 500");
    EXPECT_EQ(screen.texts[controls::Lb_Num_Pann], "  4 < N°Pann. <  16");
    apply(catalogue::English);
    EXPECT_EQ(screen.texts[controls::Lb_Limiti_Div_Carica], " 20 <Data < 500");
    EXPECT_EQ(screen.texts[controls::Lb_Num_Pann], "  4 < Panel N°<  16");
}

TEST_F(ApplyingALanguage, trendChartsGetTheirRangesAndScales) {
    using Range = std::pair<double, double>;
    apply(catalogue::Italian);
    EXPECT_EQ(screen.trendRanges[std::pair(Chart::Trend1, 4)], Range(0, 60));
    EXPECT_EQ(screen.trendUnits[std::pair(Chart::Trend1, 4)], "[V]");
    EXPECT_EQ(screen.trendRanges[std::pair(Chart::Trifase, 2)], Range(-5333, 5333));
    EXPECT_FALSE(screen.trendVisible[std::pair(Chart::Trend1, 8)]);
    EXPECT_TRUE(screen.trendVisible[std::pair(Chart::Trifase, 3)]);
    EXPECT_EQ(screen.trendScales[Chart::Trend1], std::pair(1, 3));
    EXPECT_EQ(screen.texts[controls::Trend_1], "Valori in tempo reale");
}

TEST_F(ApplyingALanguage, firmwareVersionIsResetUntilTheNextAnswer) {
    poll.FirmwareVersion = {1, 7, 3};
    poll.FwVersionError = true;
    apply(catalogue::English);
    EXPECT_EQ(poll.FirmwareVersion, (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_TRUE(poll.FwVersionError);
    EXPECT_EQ(screen.texts[controls::Label_Ver_FW], "0.0.0");
}

}  // namespace
}  // namespace orvane::ui
