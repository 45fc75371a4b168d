// A skin switcher for one test, and the look put back to the platform's afterwards so the
// next test captures the real platform look.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <string_view>

#include "ui/skins/skin_switcher.h"

namespace orvane::ui::testing {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class SkinTest : public ::testing::Test {
  protected:
    void TearDown() override { skins.apply(kPlatformSkin); }
    SkinSwitcher skins;
};

}  // namespace orvane::ui::testing
