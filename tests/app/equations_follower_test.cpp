// The State Equations window's model follower: at once for small models, in
// the background for large ones, with the same result either way.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/equations_follower.h"
#include "app/equations_html.h"
#include "causality/causality_commands.h"
#include "causality/causality_fixtures.h"
#include "model/model_reader.h"
#include "sim/test_tables.h"

namespace vantor::test {
namespace {

Model causal_example(const std::string& file) {
    ModelWindowState window;
    leerarchivo(window, std::string(VANTOR_EXAMPLES_DIR) + "/" + file);
    RecordingHost host;
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), host);
    return window.model;
}

TEST(EquationsFollower, GivesTheSameSnapshotAtOnceAndInTheBackground) {
    const Model rlc = causal_example("series_rlc.bgf");
    EquationsFollower at_once([] { FAIL() << "a small model is derived at once"; });
    ASSERT_EQ(at_once.follow(rlc), EquationsFollower::Followed::kChanged);
    EXPECT_EQ(at_once.follow(rlc), EquationsFollower::Followed::kUnchanged);

    std::atomic<int> announced = 0;
    EquationsFollower behind([&announced] { ++announced; }, 0);
    ASSERT_EQ(behind.follow(rlc), EquationsFollower::Followed::kDeriving);
    for (int i = 0; i < 6000 && announced == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(announced, 1);
    EXPECT_TRUE(behind.collect());
    EXPECT_FALSE(behind.collect());

    const EquationsSnapshot& a = at_once.snapshot();
    const EquationsSnapshot& b = behind.snapshot();
    ASSERT_TRUE(a.has_equations);
    EXPECT_FALSE(a.stale);
    for (const int numeric : {0, 1}) {
        EXPECT_EQ(a.equations_html[numeric], b.equations_html[numeric]);
        EXPECT_EQ(a.linear_html[numeric], b.linear_html[numeric]);
    }
    EXPECT_EQ(at_once.format(equations::Format::kJson, false, "rlc"),
              behind.format(equations::Format::kJson, false, "rlc"));

    // G(s) = 1/(C I s^2 + C R s + 1) (I is the inductance), then with the numbers in.
    const std::string g = transfer_html(a, 0, 0);
    EXPECT_NE(g.find("<i>C</i>&middot;<i>I</i>&middot;<i>s</i><sup>2</sup>"), std::string::npos)
        << g;
    EXPECT_NE(g.find(polynomial_html({1, 100, 10000})), std::string::npos) << g;
    EXPECT_TRUE(transfer_html(a, 1, 0).empty());  // no such input
}

TEST(EquationsFollower, DerivesTheLatestModelAndStopsCleanlyMidway) {
    const Model rlc = causal_example("series_rlc.bgf");
    Model other = causal_example("mass_spring_damper.bgf");
    EquationsFollower expected([] {});
    expected.follow(other);
    {
        EquationsFollower follower([] {}, 0);
        follower.follow(rlc);
        follower.follow(other);  // queued behind the first, or in its place
        for (int i = 0; i < 6000 && follower.deriving(); ++i) {
            follower.collect();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        follower.collect();
        EXPECT_EQ(follower.snapshot().equations_html[0], expected.snapshot().equations_html[0]);
        // Destroyed while deriving: waits for the thread, leaks nothing.
        other.objs[1].caption = "changed";
        follower.follow(other);
    }
}

TEST(PolynomialHtml, WritesPowersOfSAndDropsRounding) {
    for (const auto& [c, html] : table("as2_polynomials.txt"))
        EXPECT_EQ(polynomial_html(numbers(c)), html);
}

}  // namespace
}  // namespace vantor::test
