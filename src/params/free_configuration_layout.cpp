#include "params/free_configuration_layout.h"

#include <array>

namespace orvane::params {

namespace {

using frontend::ControlKind;
namespace controls = frontend::controls;

constexpr std::array<frontend::Control<ControlKind::Group>, 2> FreeGroups{
    controls::Gr_Conf_Libera, controls::Gr_Par_Avanzati};

constexpr std::array<frontend::Control<ControlKind::Picture>, 4> ProductPictures{
    controls::Immagine_Kelvora, controls::Immagine_Orvane, controls::Immagine_Mirdal,
    controls::Immagine_Tessop};

}  // namespace

void ShowOwnProductPicture(frontend::Screen& screen) {
    for (auto picture : ProductPictures)
        screen.setVisible(picture, picture.id() == controls::Immagine_Orvane.id());
}

FreeConfigurationLayout::FreeConfigurationLayout(frontend::Screen& screen,
                                                 const frontend::ScreenReader& input,
                                                 const catalogue::Language& language)
    : screen_(screen), input_(input), language_(language) {}

void FreeConfigurationLayout::ShowFreeConfiguration() {
    // The free rows' captions, from the control table.
    for (const frontend::CaptionedControl& c : frontend::CaptionedControls)
        if (c.caption.source == frontend::CaptionSource::FreeRow)
            screen_.setText(c.control, language_.text(c.caption.row));
    for (auto group : FreeGroups) {
        screen_.setVisible(group, true);
        screen_.setEnabled(group, true);
    }
    for (auto picture : ProductPictures)
        screen_.setVisible(picture, false);
}

void FreeConfigurationLayout::HideFreeConfiguration() {
    for (auto group : FreeGroups) {
        screen_.setVisible(group, false);
        screen_.setEnabled(group, false);
    }
    ShowOwnProductPicture(screen_);
}

void FreeConfigurationLayout::Cb_Tipo_BattChange() {
    if (input_.listIndex(controls::Cb_Tipo_Batt) == FreeConfigurationType)
        ShowFreeConfiguration();
    else
        HideFreeConfiguration();
}

}  // namespace orvane::params
