#pragma once

#include <cstdint>
#include <vector>

#include "model/records.h"

namespace vantor {

// Elements and bonds are numbered 1..1000; slot 0 lies outside the model.
inline constexpr int kMaxElements = 1000;
inline constexpr int kMaxBonds = 1000;
inline constexpr int kTableSlots = 1001;

// The records of one model: what a model file holds.
struct Model {
    std::vector<ObjRecord> objs = std::vector<ObjRecord>(kTableSlots);
    std::vector<LineRecord> lines = std::vector<LineRecord>(kTableSlots);
    std::int16_t nobj = 0;
    std::int16_t nlin = 0;
};

// Whether two records agree in every field the model file holds: selecting
// and the causality work fields are no change of the model.
bool same_in_file(const ObjRecord& a, const ObjRecord& b);
bool same_in_file(const LineRecord& a, const LineRecord& b);

// The same counts, and the same used records as the file holds them.
bool same_file_records(const Model& a, const Model& b);

// What a model window keeps about its model besides the editor's state and
// the controls (the window layer adds those): what reading, the causality
// commands and generation work on.
struct ModelWindowState {
    Model model;
    std::int16_t winnum = 0;
    std::int16_t hasname = 0;
    std::int16_t saved = 0;
    std::int16_t causerr = 0;
};

// Resets a window's counts and flags as a window does when it is created.
// The tables are left alone: records above the counts are never read.
void init_model_window(ModelWindowState& window, std::int16_t winnum);

}  // namespace vantor
