// The battery-type layout of the Parametri tab: the free configuration shows the two
// free-parameter groups for editing; every preset type hides them behind the product
// picture. Only the layout changes, never a value. Owned by the program root; window thread.
#pragma once

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"

namespace orvane::params {

// The `Cb_Tipo_Batt` entry of the free configuration ("Configurazione Libera").
inline constexpr int FreeConfigurationType = 4;

// Only the Orvane picture shown of the four product pictures (the preset types' layout,
// and what every language application restores).
void ShowOwnProductPicture(frontend::Screen& screen);

class FreeConfigurationLayout {
  public:
    // Every reference must outlive this object.
    FreeConfigurationLayout(frontend::Screen& screen, const frontend::ScreenReader& input,
                            const catalogue::Language& language);

    // Captions of the free rows in the current language, both groups visible and enabled,
    // no product picture.
    void ShowFreeConfiguration();
    // Both groups hidden and disabled, the Orvane picture shown; captions stay as they are.
    void HideFreeConfiguration();
    // The operator picked a battery type.
    void Cb_Tipo_BattChange();

  private:
    frontend::Screen& screen_;
    const frontend::ScreenReader& input_;
    const catalogue::Language& language_;
};

}  // namespace orvane::params
