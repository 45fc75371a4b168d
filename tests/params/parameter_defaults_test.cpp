// The default set, the defaults button and the battery-type layout switch.
#include <gtest/gtest.h>

#include "parameter_fixture.h"
#include "params/parameter_checks.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

class Defaults : public ::testing::Test, protected ParameterWindow {};

TEST_F(Defaults, areShownInEveryControlAfterLoading) {
    showDefaults();
    EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Batt), 2);
    EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Inverter), 0);
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 100);
    EXPECT_EQ(screen.number(controls::Ed_Num_Pannelli), 12);
    EXPECT_TRUE(screen.isChecked(controls::Ck_Max_Corr_C10));
    EXPECT_EQ(screen.number(controls::Ed_Finecarica), 565);
    EXPECT_EQ(screen.number(controls::Ed_Soglia_Sc_Prof_StandBy), 450);
    EXPECT_EQ(screen.number(controls::Ed_Soglia_Init_Lim), 1090);
    EXPECT_EQ(screen.number(controls::Ed_Ind_1), 192);
    EXPECT_EQ(screen.number(controls::Ed_Ind_4), 11);
    EXPECT_EQ(screen.number(controls::Ed_Sub_4), 0);
    EXPECT_EQ(screen.number(controls::Ed_Ser_Loc_1), DefaultLocalServer[0]);
    EXPECT_TRUE(screen.isChecked(controls::Rd_Dinamico));
    EXPECT_TRUE(screen.isChecked(controls::Ck_Ser_Remoto));
    EXPECT_FALSE(screen.isChecked(controls::Ck_Ab_Servizi_Rete));
    EXPECT_EQ(screen.number(controls::Ed_Id_Orvane), 1);
    EXPECT_EQ(screen.text(controls::Ed_Nome_Netbios), "Orvane000");
    EXPECT_EQ(defaults.DefaultNetbiosName(), "Orvane000");
    EXPECT_FALSE(screen.isVisible(controls::Gr_Conf_Libera));
    EXPECT_FALSE(screen.isVisible(controls::Gr_Par_Avanzati));
    EXPECT_TRUE(screen.isVisible(controls::Immagine_Orvane));
    EXPECT_EQ(screen.text(controls::Lb_Init_Limitazione), "1050<=[%*10]<=1150");
}

TEST_F(Defaults, passEveryCheckOnceCollected) {
    showDefaults();
    EXPECT_TRUE(CheckCollectedParameters(set, editor.CollectParameters()).passed());
}

TEST_F(Defaults, leaveReservedBytesAndUnnamedBitsAsTheyWere) {
    FillAll(set, 0xFF);
    defaults.LoadDefaultParameters();
    EXPECT_EQ(set.NetworkBlock[20], 0xFC);
    EXPECT_EQ(set.NetworkBlock[21], 0xFF);
    EXPECT_EQ(set.ConfigBlock[5], 0xFF) << "supplyLimitC10 set, bits 1..7 kept";
    EXPECT_EQ(set.ConfigBlock[7], 0xFF);
    EXPECT_EQ(set.FreeParamBlock[63], 0xFF);
    EXPECT_EQ(set.GridServiceBlock[0], 0xF0);
    EXPECT_EQ(set.GridServiceBlock[15], 0xFF);
    EXPECT_EQ(set.get(Field::unitId), 1u);
    for (std::size_t i = 4; i < 12; ++i)
        EXPECT_EQ(set.IdentityBlock[i], 0xFF) << i;
    const std::string name(set.NetbiosNameBlock.begin(), set.NetbiosNameBlock.end());
    EXPECT_EQ(name, std::string("Orvane000") + std::string(7, '\0'));
}

TEST_F(Defaults, rebuildTheDelayListWithEntryZeroSelected) {
    screen.indices[controls::Ed_Combo_Ritardo] = 7;
    defaults.LoadDefaultParameters();
    const std::vector<std::string>& items = screen.lists[controls::Ed_Combo_Ritardo];
    ASSERT_EQ(items.size(), 21u);
    EXPECT_EQ(items.front(), "0");
    EXPECT_EQ(items[1], "50");
    EXPECT_EQ(items.back(), "1000");
    EXPECT_EQ(screen.listIndex(controls::Ed_Combo_Ritardo), 0);
}

TEST_F(Defaults, buttonAnsweredNoChangesNothing) {
    showDefaults();
    type(Field::capacityAh, 200);
    set.set(Field::capacityAh, 300);
    const long writes = screen.writes;
    dialogs.answers = {false};
    defaults.Bt_DefautClick();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, testing::FakeOperator::Kind::Question);
    EXPECT_EQ(dialogs.boxes[0].text, "Si vogliono caricare i dati di default ?");
    EXPECT_EQ(screen.writes, writes);
    EXPECT_EQ(set.get(Field::capacityAh), 300u);
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 200);
}

TEST_F(Defaults, buttonAnsweredYesRestoresAndShowsTheDefaults) {
    showDefaults();
    set.set(Field::batteryType, FreeConfigurationType);
    editor.ShowParameters();
    type(Field::capacityAh, 200);
    tick(Field::supplyLimitC10, false);
    dialogs.answers = {true};
    defaults.Bt_DefautClick();
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 100);
    EXPECT_TRUE(screen.isChecked(controls::Ck_Max_Corr_C10));
    EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Batt), 2);
    EXPECT_FALSE(screen.isVisible(controls::Gr_Conf_Libera));
    EXPECT_TRUE(screen.isVisible(controls::Immagine_Orvane));
}

class Layout : public ::testing::Test, protected ParameterWindow {
  protected:
    Layout() { showDefaults(); }
};

TEST_F(Layout, freeConfigurationShowsBothGroupsAndNoPicture) {
    pick(Field::batteryType, FreeConfigurationType);
    layout.Cb_Tipo_BattChange();
    for (auto group : {controls::Gr_Conf_Libera, controls::Gr_Par_Avanzati}) {
        EXPECT_TRUE(screen.isVisible(group)) << group;
        EXPECT_TRUE(screen.enabled[group]) << group;
    }
    for (auto picture : {controls::Immagine_Kelvora, controls::Immagine_Orvane,
                         controls::Immagine_Mirdal, controls::Immagine_Tessop})
        EXPECT_FALSE(screen.isVisible(picture)) << picture;
}

TEST_F(Layout, freeCaptionsFollowTheLanguageCurrentWhenShownAndStayWhenHidden) {
    language.LanguageIndex = catalogue::English;
    layout.ShowFreeConfiguration();
    EXPECT_EQ(screen.text(controls::Gr_Conf_Libera), "Free Parameters");
    EXPECT_EQ(screen.text(controls::Lb_Mod_Estate), "Summer mode  ");
    EXPECT_EQ(screen.text(controls::Lb_Minuti_Tens_Costante_1), "Minutes Constant Volt.");
    EXPECT_EQ(screen.text(controls::Lb_Nota_Par_Liberi),
              "** Set to zero if Equalization is not requested   ");
    language.LanguageIndex = catalogue::Italian;
    layout.HideFreeConfiguration();
    EXPECT_EQ(screen.text(controls::Lb_Soglia_Finecarica), "End-charge Threshold: ");
    layout.ShowFreeConfiguration();
    EXPECT_EQ(screen.text(controls::Lb_Soglia_Finecarica), "Soglia Finecarica: ");
    EXPECT_EQ(screen.text(controls::Lb_Perc_Cap_Assorbibile), "% di capacit\u00E0 assorbibile : ");
    EXPECT_EQ(screen.text(controls::Lb_Num_Cicli_Vita_Unita), "Numero Cicli ");
    EXPECT_EQ(screen.texts.count(controls::Lb_Finec_Estate), 0u) << "written with the language";
}

TEST_F(Layout, everyPresetHidesTheGroupsBehindTheOrvanePicture) {
    for (int type : {0, 1, 2, 3, 5, 6, -1}) {
        pick(Field::batteryType, FreeConfigurationType);
        layout.Cb_Tipo_BattChange();
        pick(Field::batteryType, type);
        layout.Cb_Tipo_BattChange();
        EXPECT_FALSE(screen.isVisible(controls::Gr_Conf_Libera)) << type;
        EXPECT_FALSE(screen.enabled[controls::Gr_Par_Avanzati]) << type;
        EXPECT_TRUE(screen.isVisible(controls::Immagine_Orvane)) << type;
        EXPECT_FALSE(screen.isVisible(controls::Immagine_Kelvora)) << type;
    }
}

TEST_F(Layout, switchingKeepsTheTypedFreeValues) {
    type(Field::endChargeVoltage, 571);
    type(Field::equalizationMinutesWinter, 33);
    const ParameterSet before = set;
    for (int type : {FreeConfigurationType, 0, FreeConfigurationType}) {
        pick(Field::batteryType, type);
        layout.Cb_Tipo_BattChange();
    }
    EXPECT_EQ(set.FreeParamBlock, before.FreeParamBlock);
    EXPECT_EQ(screen.number(controls::Ed_Finecarica), 571);
    EXPECT_EQ(screen.number(controls::Ed_Min_Equali_Inv), 33);
}

}  // namespace
}  // namespace orvane::params
