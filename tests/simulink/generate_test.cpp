#include "simulink/generate.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "model/file_reading.h"
#include "model/file_saving.h"
#include "simulink/simulink_fixtures.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using Events = std::vector<std::string>;

// Templates that show what generation did: every element writes its number
// and caption, and records ports so that the bonds give lines.
std::map<std::string, std::string> small_templates() {
    return {
        {"sta.cod", "model #arch#,\r\n"},
        {"Se_.cod", "#obj#:#caption##effort_out##e##flow_inp##f#;"},
        {"R__1.cod", "#obj#:#caption##effort_inp##e##flow_out##f#;"},
        {"111.cod", "#obj#:sum(#parameters#)#effort_out##sum##effort_inp##sum#;"},
        {"lin.cod", test::kLineTemplate},
        {"end.cod", "end #obj#,\r\n"},
    };
}

class Generate : public testing::Test {
  protected:
    Generate() : dir_("generate", small_templates()), out_(dir_.path() + "/out.m") {
        se_ = b_.add("Se_");
        one_ = b_.add("111");
        r_ = b_.add("R__");
        b_.window.model.objs[se_].caption = "U";
        b_.window.model.objs[r_].caption =
            "a\x8D"
            "b";
        b_.bond(se_, one_, 1);
        b_.bond(one_, r_, 1);
    }

    GenerateResult generate(std::optional<std::string> answer) {
        host_ = std::make_unique<test::RecordingGenerationHost>(std::move(answer));
        return generate_Click(b_.window, {dir_.path(), 3, " Circuit ", {}}, *host_);
    }

    test::TemplateProgramDir dir_;
    std::string out_;
    test::ModelBuilder b_;
    int se_ = 0, one_ = 0, r_ = 0;
    std::unique_ptr<test::RecordingGenerationHost> host_;
};

TEST_F(Generate, WritesStartElementsLinesAndTheUnexpandedEnd) {
    save_file(out_, std::string(1000, 'x'));
    const GenerateResult result = generate(out_);
    ASSERT_EQ(result.outcome, GenerateOutcome::kWritten);
    EXPECT_EQ(read_whole_file(out_),
              "model out,\r\n"
              "1:U;2:sum(+);3:a\rb;"  // the sign list; a caption's 0x8D becomes CR
              "1e/1>2sum/1;"          // bond 1: the source's effort into the sum
              "3f/1>1f/1;"            // and the junction's flow, the resistor's, back
              "2sum/1>3e/1;"          // bond 2: the sum's effort into the resistor
              "end #obj#,\r\n");
    EXPECT_EQ(host_->events, (Events{"busy",
                                     "dialog Save Simulink Model As | Simulink Models "
                                     "(*.mdl;*.m)|*.mdl;*.m|All Files (*.*)|*.*| | circuit.m",
                                     "busy", "normal"}));
    EXPECT_EQ(result.missing_templates, std::set<std::string>{});
    // Generation leaves its marks in the model, as it always has.
    EXPECT_EQ(b_.window.model.objs[0].type, "sta");
    EXPECT_EQ(b_.obj(r_).auxil3, 1);
    EXPECT_EQ(b_.obj(one_).parameters.trimmed(), "+");
}

TEST_F(Generate, AModelWithoutBondsIsGeneratedFromItsTemplatesAlone) {
    b_.window.model.nobj = 1;  // a junction without bonds would be a causality error
    b_.window.model.nlin = 0;
    ASSERT_EQ(generate(out_).outcome, GenerateOutcome::kWritten);
    EXPECT_EQ(read_whole_file(out_), "model out,\r\n1:U;end #obj#,\r\n");
}

TEST_F(Generate, StopsWithoutAFileAfterACausalityError) {
    b_.window.model.lines[1].causa = 2;  // pushes effort into the source
    const GenerateResult result = generate(out_);
    EXPECT_EQ(result.outcome, GenerateOutcome::kStopped);
    EXPECT_EQ(result.assign, AssignOutcome::kCausalityError);
    EXPECT_FALSE(fs::exists(out_));
    EXPECT_EQ(b_.obj(se_).selected, kTrue);
}

TEST_F(Generate, CancellingTheDialogWritesNothingAndRestoresThePointer) {
    const GenerateResult cancelled = generate(std::nullopt);
    EXPECT_EQ(cancelled.outcome, GenerateOutcome::kCancelled);
    EXPECT_TRUE(cancelled.stopped_at_dialog);  // journaled as generate_cancelled
    EXPECT_EQ(host_->events.back(), "normal");
    EXPECT_EQ(generate(std::string("   ")).outcome, GenerateOutcome::kCancelled);
    EXPECT_FALSE(fs::exists(out_));
}

TEST_F(Generate, ReportsAnUnwritableFileAndLeavesNoFile) {
    const std::string nowhere = dir_.path() + "/no/such/folder/out.m";
    EXPECT_EQ(generate(nowhere).outcome, GenerateOutcome::kFailed);
    EXPECT_NE(host_->events.back().find(nowhere), std::string::npos) << host_->events.back();
    EXPECT_FALSE(fs::exists(nowhere));
}

TEST_F(Generate, ATemplateThatIsNotARegularFileStopsItWithoutAFile) {
    const std::string fifo = dir_.folder() + "/R__1.cod";
    fs::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const GenerateResult result = generate(out_);
    EXPECT_EQ(result.outcome, GenerateOutcome::kFailed);
    EXPECT_EQ(host_->events.back(),
              "message: Cannot read the template " + fifo + ": not a regular file");
    EXPECT_FALSE(fs::exists(out_));

    fs::remove(fifo);
    dir_.set("R__1.cod", std::string(kSupportFileLimit + 1, ' '));
    EXPECT_EQ(generate(out_).outcome, GenerateOutcome::kFailed);
    EXPECT_NE(host_->events.back().find("larger than the limit of 1 MB"), std::string::npos);
    EXPECT_FALSE(fs::exists(out_));
}

// The file's base name becomes the MATLAB model's name inside the script.
TEST_F(Generate, RefusesAnOutputNameThatMatlabCannotTake) {
    const std::vector<std::string> names = {"o'brien.m",     "two words.m",
                                            "9lives.m",      "a-b.m",
                                            "line\nbreak.m", std::string(64, 'm') + ".m"};
    for (const std::string& name : names) {
        const std::string path = dir_.path() + "/" + name;
        const GenerateResult result = generate(path);
        EXPECT_EQ(result.outcome, GenerateOutcome::kFailed) << name;
        // Nothing past the dialog changed, as when it is cancelled.
        EXPECT_TRUE(result.stopped_at_dialog) << name;
        EXPECT_EQ(b_.obj(se_).auxil3, 0) << name;
        EXPECT_NE(host_->events.back().find("is not a valid MATLAB model name"), std::string::npos)
            << host_->events.back();
        EXPECT_FALSE(fs::exists(path));
    }
    const GenerateResult written = generate(dir_.path() + "/" + std::string(63, 'm') + ".m");
    EXPECT_EQ(written.outcome, GenerateOutcome::kWritten);
    EXPECT_FALSE(written.stopped_at_dialog);
    EXPECT_EQ(generate(dir_.path() + "/Motor_2.mdl").outcome, GenerateOutcome::kWritten);
}

TEST(GenerateProposal, TheModelTemplatesProposeAnMdlFileTheOthersAScript) {
    const struct {
        int version;
        const char* caption;
        const char* proposed;
    } cases[] = {{1, "Circuit", "circuit.m"},
                 {2, "Circuit", "circuit.mdl"},
                 {3, "Circuit", "circuit.m"},
                 {2, "  Two Words  ", "two words.mdl"}};
    for (const auto& c : cases) {
        EXPECT_EQ(proposed_output_name({"", c.version, c.caption, ""}), c.proposed)
            << c.version << " " << c.caption;
    }
}

}  // namespace
}  // namespace vantor
