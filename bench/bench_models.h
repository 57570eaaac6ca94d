#pragma once

// What several benchmarks build: generation into memory and the RC ladder
// that fills the element cap.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"
#include "simulink/generate.h"

namespace vantor::bench {

// Generation into memory: the save dialog is answered, the bytes are kept.
class MemoryHost : public GenerationHost {
  public:
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
    std::optional<std::string> ask_save_file(const SaveDialogRequest& request) override {
        return request.proposed_name;
    }
    void set_busy(bool) override {}
    void write_output(const std::string&, std::string_view bytes) override { text = bytes; }

    std::string text;
};

// Se -> 1 (R) -> 0 (C) -> 1 (R) -> 0 (C) ...: four elements and four bonds a
// section. 249 sections fill the element cap: 997 elements, 996 bonds.
inline constexpr int kLadderSections = 249;

// Without causality.
inline ModelWindowState rc_ladder() {
    ModelWindowState w;
    Model& m = w.model;
    auto add = [&](const char* type, const char* value, const char* initial = "") {
        ObjRecord& e = m.objs[++m.nobj];
        e = ObjRecord{};
        e.type = type;
        e.parameters = value;
        e.parameter2 = initial;
        e.caption = type;
        return static_cast<std::int16_t>(m.nobj);
    };
    auto bond = [&](std::int16_t a, std::int16_t b) { m.lines[++m.nlin] = {0, a, b, 0}; };
    std::int16_t previous = add("Se_", "1");
    for (int k = 0; k < kLadderSections; ++k) {
        const std::int16_t series = add("111", "");
        bond(previous, series);
        bond(series, add("R__", "10"));
        const std::int16_t shunt = add("000", "");
        bond(series, shunt);
        bond(shunt, add("C__", "1e-3", "0"));
        previous = shunt;
    }
    return w;
}

}  // namespace vantor::bench
