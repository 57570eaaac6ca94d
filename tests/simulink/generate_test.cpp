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
using namespace std::string_literals;

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

// Whatever stops a generation leaves no file and says why.
TEST_F(Generate, RefusalsWriteNoFileAndSayWhy) {
    const auto refused = [&](const std::optional<std::string>& answer, GenerateOutcome outcome,
                             const std::string& says) {
        SCOPED_TRACE(answer.value_or("(cancelled)"));
        const GenerateResult result = generate(answer);
        EXPECT_EQ(result.outcome, outcome);
        EXPECT_NE(host_->events.back().find(says), std::string::npos) << host_->events.back();
        if (answer) {
            EXPECT_FALSE(fs::exists(*answer));
        }
        EXPECT_FALSE(fs::exists(out_));
        return result;
    };
    // Cancelled: journaled as generate_cancelled, the pointer restored.
    EXPECT_TRUE(refused(std::nullopt, GenerateOutcome::kCancelled, "normal").stopped_at_dialog);
    refused("   ", GenerateOutcome::kCancelled, "normal");
    // The file's base name becomes the MATLAB model's name inside the script;
    // refused, nothing past the dialog changed, as when it is cancelled.
    for (const std::string& name : {"o'brien.m"s, "two words.m"s, "9lives.m"s, "a-b.m"s,
                                    "line\nbreak.m"s, std::string(64, 'm') + ".m"}) {
        const GenerateResult result = refused(dir_.path() + "/" + name, GenerateOutcome::kFailed,
                                              "is not a valid MATLAB model name");
        EXPECT_TRUE(result.stopped_at_dialog);
        EXPECT_EQ(b_.obj(se_).auxil3, 0);
    }
    // One letter fewer is the longest name MATLAB takes; a .mdl file is taken too.
    const GenerateResult longest = generate(dir_.path() + "/" + std::string(63, 'm') + ".m");
    EXPECT_EQ(longest.outcome, GenerateOutcome::kWritten);
    EXPECT_FALSE(longest.stopped_at_dialog);
    EXPECT_EQ(generate(dir_.path() + "/Motor_2.mdl").outcome, GenerateOutcome::kWritten);
    refused(dir_.path() + "/no/such/folder/out.m", GenerateOutcome::kFailed, "/no/such/folder");
    const std::string fifo = dir_.folder() + "/R__1.cod";
    fs::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    refused(out_, GenerateOutcome::kFailed,
            "message: Cannot read the template " + fifo + ": not a regular file");
    fs::remove(fifo);
    dir_.set("R__1.cod", std::string(kSupportFileLimit + 1, ' '));
    refused(out_, GenerateOutcome::kFailed, "larger than the limit of 1 MB");
    dir_.set("R__1.cod", small_templates().at("R__1.cod"));
    b_.window.model.lines[1].causa = 2;  // pushes effort into the source
    EXPECT_EQ(refused(out_, GenerateOutcome::kStopped, "").assign, AssignOutcome::kCausalityError);
    EXPECT_EQ(b_.obj(se_).selected, kTrue);
}

// The third set is the Writes test's dialog.
TEST(GenerateProposal, TheModelTemplatesProposeAnMdlFileTheOthersAScript) {
    EXPECT_EQ(proposed_output_name({"", 1, "Circuit", ""}), "circuit.m");
    EXPECT_EQ(proposed_output_name({"", 2, "Circuit", ""}), "circuit.mdl");
    EXPECT_EQ(proposed_output_name({"", 2, "  Two Words  ", ""}), "two words.mdl");
}

}  // namespace
}  // namespace vantor
