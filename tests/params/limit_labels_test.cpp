// The range labels beside the fields: their exact texts and which moment writes which.
#include <gtest/gtest.h>

#include "catalogue/message_catalogue.h"
#include "params/limit_labels.h"
#include "support/fake_screen.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

TEST(LimitLabels, fillTheFormatWithRightAlignedBoundsAndTheWord) {
    EXPECT_EQ(FormatLimitLabel("%3i <%s< %3i", 20, "Dato ", 500), " 20 <Dato < 500");
    EXPECT_EQ(
        FormatLimitLabel("%3i <%s< %3i", 4, catalogue::PanelCountWord(catalogue::Italian), 16),
        "  4 < N\u00B0Pann. <  16");
    EXPECT_EQ(
        FormatLimitLabel("%3i <%s< %3i", 4, catalogue::PanelCountWord(catalogue::English), 16),
        "  4 < Panel N\u00B0<  16");
    EXPECT_EQ(FormatLimitLabel("%3i<=[%%*10]<=%3i", 1050, {}, 1150), "1050<=[%*10]<=1150");
}

TEST(LimitLabels, languageLabelsStateTheirFieldsRangesInTheCurrentLanguage) {
    testing::FakeScreen screen;
    ShowLimitLabels(screen, LimitLabelGroup::Language, catalogue::English);
    EXPECT_EQ(screen.text(controls::Label189), " 25 < [Ah] < 550");
    EXPECT_EQ(screen.text(controls::Lb_Max_W_Mppt), "500<[W]<6000");
    EXPECT_EQ(screen.text(controls::Lb_Max_Corr_Erog), "  2<[A]< 30");
    for (auto label : {controls::Label139, controls::Label164, controls::Label140,
                       controls::Label142, controls::Label177})
        EXPECT_EQ(screen.text(label), "350 <V*10< 600") << label;
    EXPECT_EQ(screen.text(controls::Label11), "370 <V*10< 500");
    EXPECT_EQ(screen.text(controls::Lb_Limiti_Div_Carica), " 20 <Data < 500");
    EXPECT_EQ(screen.text(controls::Lb_Limite_Per_Cap_Assorbibile), " 10 <Data <  90");
    EXPECT_EQ(screen.text(controls::Label217), "200 <R*10< 1500");
    EXPECT_EQ(screen.text(controls::Lb_Estremi_Div_Corr_Batt_Estate), " 10 <Data < 2300");
    EXPECT_EQ(screen.text(controls::Label190), "  2 <Data < 200");
    EXPECT_EQ(screen.text(controls::Label194), " 15 <Min.<600");
    EXPECT_EQ(screen.texts.count(controls::Lb_Init_Limitazione), 0u) << "set with the defaults";
}

TEST(LimitLabels, gridServiceLabelsAreWrittenOnTheirOwn) {
    testing::FakeScreen screen;
    ShowLimitLabels(screen, LimitLabelGroup::GridService, catalogue::Italian);
    EXPECT_EQ(screen.texts.size(), 5u);
    EXPECT_EQ(screen.text(controls::Lb_Lim_Sovra_Freq_Min), "501<[Hz*10]<520");
    EXPECT_EQ(screen.text(controls::Lb_Lim_Sovra_Freq_Max), "501<[Hz*10]<520");
    EXPECT_EQ(screen.text(controls::Lb_Lim_Sotto_Freq_Max), "470<[Hz*10]<499");
    EXPECT_EQ(screen.text(controls::Lb_Init_Limitazione), "1050<=[%*10]<=1150");
}

}  // namespace
}  // namespace orvane::params
