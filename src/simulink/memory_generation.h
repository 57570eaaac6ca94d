#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "causality/causality_host.h"
#include "simulink/generate.h"

namespace vantor {

// Generate's road with the file kept in memory, for Simulate and for a
// journal's Generate: the window's messages still reach `host`; the save
// dialog answers with the proposed name (a MATLAB name even when the window's
// caption is none), or as cancelled.
class MemoryGenerationHost : public GenerationHost {
  public:
    explicit MemoryGenerationHost(CausalityHost& host, bool cancel_dialog = false)
        : host_(host), cancel_dialog_(cancel_dialog) {}

    void show_message(const std::string& text) override { host_.show_message(text); }
    void show_error(const std::string& text) override { host_.show_error(text); }
    void selection_changed(int element) override { host_.selection_changed(element); }
    void derivative_causality_selected(const std::vector<int>& elements) override {
        host_.derivative_causality_selected(elements);
    }
    void redraw() override { host_.redraw(); }
    std::optional<std::string> ask_save_file(const SaveDialogRequest& request) override;
    void set_busy(bool) override {}
    void write_output(const std::string&, std::string_view bytes) override { text.assign(bytes); }

    std::string text;  // what generation wrote

  private:
    CausalityHost& host_;
    bool cancel_dialog_;
};

}  // namespace vantor
