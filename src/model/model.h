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

// The editor's mouse state of a model window.
struct MouseState {
    std::int16_t dragging = 0;
    std::int16_t fromobj = 0;
    std::int16_t linking = 0;
    std::int16_t overobj = 0;
    float lastx = 0;
    float lasty = 0;
    float bandx = 0;
    float bandy = 0;
    std::int16_t dblclick = 0;
};

// Everything a model window keeps about its model besides the controls.
struct ModelWindowState {
    Model model;
    std::vector<std::int16_t> objlink = std::vector<std::int16_t>(kTableSlots);
    std::int16_t winnum = 0;
    std::int16_t hasname = 0;
    std::int16_t saved = 0;
    std::int16_t causerr = 0;
    MouseState mouse;
};

// Resets a window's counts and flags as a window does when it is created.
// The tables are left alone: records above the counts are never read.
void init_model_window(ModelWindowState& window, std::int16_t winnum);

}  // namespace vantor
