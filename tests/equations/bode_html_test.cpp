// The Bode data and the HTML the equations window typesets.
#include <gtest/gtest.h>

#include <cmath>

#include "equations/bode.h"
#include "equations/html_printer.h"

namespace vantor::equations {
namespace {

TEST(FrequencyRange, SpansADecadeAroundThePolesThatAreNotAtZero) {
    const struct {
        std::vector<Pole> poles;
        double from, to;
    } cases[] = {
        {{}, 0.1, 100},
        {{{0, 0, 0, 0}}, 0.1, 100},                                   // an integrator alone
        {{{-50, -86.6, 100, 0.5}, {-50, 86.6, 100, 0.5}}, 10, 1000},  // the series RLC
        {{{0, 0, 0, 0}, {-2, 0, 2, 1}, {-300, 0, 300, 1}}, 0.2, 3000},
    };
    for (const auto& c : cases) {
        const FrequencyRange range = frequency_range(c.poles);
        EXPECT_DOUBLE_EQ(range.from, c.from) << c.poles.size();
        EXPECT_DOUBLE_EQ(range.to, c.to) << c.poles.size();
    }
}

TEST(Bode, GivesMagnitudePhaseAndAnUnwrappedPhase) {
    const auto at = [](const std::vector<BodePoint>& points, double w) {
        const BodePoint* best = &points.front();
        for (const BodePoint& p : points) {
            if (std::abs(std::log(p.w / w)) < std::abs(std::log(best->w / w))) best = &p;
        }
        return *best;
    };
    // 1/(s+1): -3 dB and -45 degrees at its corner.
    const std::vector<BodePoint> lag = bode({{1}, {1, 1}}, {0.01, 100}, 401);
    ASSERT_EQ(lag.size(), 401u);
    EXPECT_DOUBLE_EQ(lag.front().w, 0.01);
    EXPECT_NEAR(lag.back().w, 100, 1e-9);
    EXPECT_NEAR(at(lag, 1).db, -3.0103, 1e-3);
    EXPECT_NEAR(at(lag, 1).degrees, -45, 1e-6);
    // 1/s: -90 degrees everywhere, 0 dB at 1 rad/s.
    const std::vector<BodePoint> integrator = bode({{1}, {1, 0}}, {0.1, 10}, 3);
    EXPECT_NEAR(integrator[1].db, 0, 1e-12);
    for (const BodePoint& p : integrator) EXPECT_NEAR(p.degrees, -90, 1e-9);
    // 1/(s+1)^4 goes on past -180 degrees towards -360 without a jump.
    const std::vector<BodePoint> fourth = bode({{1}, {1, 4, 6, 4, 1}}, {0.01, 1000}, 200);
    EXPECT_NEAR(fourth.back().degrees, -360, 1);
    for (std::size_t i = 1; i < fourth.size(); ++i)
        EXPECT_LT(std::abs(fourth[i].degrees - fourth[i - 1].degrees), 10) << i;
    // A zero on the axis: s at w = 0 is outside any range; s^2 + 1 at w = 1 is -inf dB.
    const std::vector<BodePoint> notch = bode({{1, 0, 1}, {1, 2, 1}}, {0.1, 10}, 3);
    EXPECT_TRUE(std::isinf(notch[1].db));
    EXPECT_TRUE(bode({{1}, {1, 1}}, {0, 10}).empty());
}

TEST(HtmlPrinter, RaisesAndLowersWhatTheTextWritesInLine) {
    const GiNaC::symbol q5("q5"), la("La"), x("x"), c("C"), la0("La_0");
    const std::pair<GiNaC::ex, const char*> cases[] = {
        {q5, "<i>q</i><sub>5</sub>"},
        {la, "<i>La</i>"},
        {la0, "<i>La</i><sub>0</sub>"},
        {GiNaC::pow(x, 2), "<i>x</i><sup>2</sup>"},
        {GiNaC::pow(x, c + 1), "<i>x</i><sup><i>C</i> + 1</sup>"},
        {q5 / c, "<i>q</i><sub>5</sub>/<i>C</i>"},
        {-la * x, "&minus;<i>La</i>&middot;<i>x</i>"},
        {GiNaC::sin(x), "sin(<i>x</i>)"},
        {GiNaC::numeric(1, 100000) * x, "<i>x</i>/100000"},
    };
    for (const auto& [e, html] : cases) EXPECT_EQ(html_expression(e), html) << e;
    EXPECT_EQ(html_name("dq5/dt"), "d<i>q</i><sub>5</sub>/d<i>t</i>");
    EXPECT_EQ(html_escaped("a<b & c>d"), "a&lt;b &amp; c&gt;d");
}

TEST(HtmlPrinter, StacksTheFractionOfEachOuterTermOnly) {
    const GiNaC::symbol se("Se"), r("R"), p3("p3"), i("I"), q6("q6"), c("C"), x("x");
    // Se - R*p3/I - q6/C: three cells of terms, two of them fractions, signs between.
    const std::string rlc = html_stacked(se - r * p3 / i - q6 / c);
    EXPECT_NE(rlc.find(fraction_html("<i>R</i>&middot;<i>p</i><sub>3</sub>", "<i>I</i>")),
              std::string::npos)
        << rlc;
    EXPECT_NE(rlc.find(fraction_html("<i>q</i><sub>6</sub>", "<i>C</i>")), std::string::npos)
        << rlc;
    EXPECT_NE(rlc.find("&nbsp;&minus;&nbsp;"), std::string::npos) << rlc;
    // A parenthesised denominator loses its brackets once it stands below the rule.
    EXPECT_NE(
        html_stacked(-x / (r * c)).find(fraction_html("<i>x</i>", "<i>C</i>&middot;<i>R</i>")),
        std::string::npos);
    // Without a fraction, or with one only inside a function, the text stays in line.
    const GiNaC::ex in_line[] = {se - r * p3, GiNaC::sin(x / c), GiNaC::pow(x, 1 / c)};
    for (const GiNaC::ex& e : in_line) EXPECT_EQ(html_stacked(e), html_expression(e)) << e;
}

}  // namespace
}  // namespace vantor::equations
