#pragma once

#include <ostream>
#include <string>

#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/display_text.h"

namespace vantor {

// A window's side of a command run on the command line: message boxes become
// lines of the report (a line for each of the box's, control bytes escaped),
// errors lines on stderr; selections and redraws have nothing to show.
// `Host` is the interface the command needs.
template <class Host>
class ReportHost : public Host {
  public:
    ReportHost(const CliContext& ctx, std::ostream& report) : ctx_(ctx), report_(report) {}
    void show_message(const std::string& text) override {
        for (const std::string& line : message_lines(text)) {
            report_ << escape_controls(line) << "\n";
        }
    }
    void show_error(const std::string& text) override {
        error_shown_ = true;
        print_error(ctx_, text);
    }
    void show_warning(const std::string& text) override { print_error(ctx_, "warning: " + text); }
    void selection_changed(int) override {}
    void redraw() override {}

    // An error stopped the command: a file that could not be read or written.
    bool error_shown() const { return error_shown_; }

  protected:
    const CliContext& context() const { return ctx_; }

  private:
    const CliContext& ctx_;
    std::ostream& report_;
    bool error_shown_ = false;
};

}  // namespace vantor
