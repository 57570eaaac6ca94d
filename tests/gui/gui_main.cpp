// The GUI tests share one QApplication on the offscreen platform, so they run
// without a display (test discovery included).

#include <gtest/gtest.h>

#include <QtWidgets>

namespace {

// Every test starts with no settings.
class FreshSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { QSettings().clear(); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The user's settings stay untouched: each run keeps its own, empty at
    // the start.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
    return RUN_ALL_TESTS();
}
