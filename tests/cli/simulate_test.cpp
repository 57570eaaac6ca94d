// vantor-cli simulate --plot: pictures that load (the runs and their CSV are
// command cases).
#include <gtest/gtest.h>

#include <QImage>

#include "cli_run.h"
#include "model/file_reading.h"

namespace vantor {
namespace {

using test::run;
using test::temp_path;

TEST(CliSimulate, PlotsArePicturesThatLoad) {
    const std::string model = temp_path("rlc.bgf");
    const std::string data = VANTOR_DATA_DIR;
    ASSERT_EQ(run({"--program-dir", data, "causality", VANTOR_EXAMPLES_DIR "/series_rlc.bgf", "-o",
                   model})
                  .code,
              kExitOk);
    const auto plot = [&](const std::string& picture) {
        return run({"--program-dir", data, "simulate", model, "--t-end", "0.5", "-o",
                    temp_path("plot.csv"), "--plot", picture})
            .code;
    };
    const std::string png = temp_path("rlc.png"), svg = temp_path("rlc.SVG");
    ASSERT_EQ(plot(png), kExitOk);
    const QImage image(QString::fromStdString(png));
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 100);
    ASSERT_EQ(plot(svg), kExitOk);
    EXPECT_NE(read_whole_file(svg).find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace vantor
