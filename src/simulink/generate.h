#pragma once

#include <optional>
#include <set>
#include <string>

#include "causality/causality_commands.h"
#include "causality/causality_host.h"
#include "model/model.h"

namespace vantor {

inline constexpr const char* kNotCausalMessage = "You must assign causality before converting";

struct SaveDialogRequest {
    std::string title;
    std::string filter;  // "Name|patterns|Name|patterns|"
    std::string proposed_name;
};

// What generation needs from its window besides the causality host: the save
// dialog and the busy pointer.
class GenerationHost : public CausalityHost {
  public:
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<std::string> ask_save_file(const SaveDialogRequest& request) = 0;
    virtual void set_busy(bool busy) = 0;
};

struct GenerateRequest {
    std::string program_dir;
    int simulink_version = 3;    // 1, 2 or 3: the template folder code1..code3
    std::string window_caption;  // proposes the file name
};

enum class GenerateOutcome {
    kWritten,
    kNotCausal,  // a bond without causality: refused before anything else
    kStopped,    // Assign & Check stopped on an error
    kCancelled,  // the save dialog was cancelled
    kFailed,     // no template folder, or the file could not be written
};

struct GenerateResult {
    GenerateOutcome outcome = GenerateOutcome::kFailed;
    AssignOutcome assign = AssignOutcome::kCompleted;  // of the Assign & Check run
    std::string path;                         // the file written
    std::set<std::string> missing_templates;  // asked for but not in the folder
};

// Generate Simulink File: checks causality, runs Assign & Check, prepares the
// junctions, asks for the output file, expands the start template, one
// template per element and the connection lines, appends the end template and
// writes the result. Changes the model as generation does (element 0 becomes
// "sta", auxil3 0 becomes 1, junction sign lists, effin).
GenerateResult generate_Click(ModelWindowState& window, const GenerateRequest& request,
                              GenerationHost& host);

// The text of the generated model, before it is written (commas still 0xB8):
// the expansion and wiring steps of generation on a prepared model.
std::string generate_text(Model& model, const std::string& program_dir, int simulink_version,
                          const std::string& output_path, std::set<std::string>* missing);

}  // namespace vantor
