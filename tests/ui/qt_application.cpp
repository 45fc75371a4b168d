// One QApplication for the whole test program, made once the tests start (listing the tests
// needs none). Offscreen unless the caller chose a platform; a program built with
// ORVANE_TEST_SCREENS gets the offscreen screens that file lays out.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

#ifdef ORVANE_TEST_SCREENS
constexpr char kOffscreen[] = "offscreen:configfile=" ORVANE_TEST_SCREENS;
#else
constexpr char kOffscreen[] = "offscreen";
#endif

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        if (platform.isEmpty() || platform == "offscreen")
            qputenv("QT_QPA_PLATFORM", kOffscreen);
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[9] = "ui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kRegistered =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
