#pragma once

#include <functional>
#include <string>

#include "editor/events.h"
#include "editor/zoom.h"
#include "window/model_window.h"

namespace vantor {

// Scrolled twips of a point given in pixels from the top-left corner of the
// window's visible drawing area, shown at `zoom` (1 for 100 %).
float pixel_to_twips_x(const ModelWindow& window, double px, double zoom = 1);
float pixel_to_twips_y(const ModelWindow& window, double py, double zoom = 1);

// The glyph shown on top at (x, y), in scrolled twips: among the visible
// glyphs whose rectangle holds the point, the highest z-order, and of equal
// ones the highest number. 0 when the point is on the background.
int glyph_at(const ModelWindow& window, float x, float y);

// Whether (x, y), in scrolled twips, falls in the caption box while it shows:
// the box is a control of its own, which takes the pointer there.
bool in_caption_box(const ModelWindow& window, float x, float y);

// Where an event at (x, y), in scrolled twips, goes with no button held:
// -1 when the caption box takes it, else glyph_at.
int pointer_target(const ModelWindow& window, float x, float y);

// Turns the platform's pointer events into the events the window's handlers
// take, handing each to `sink`, which runs it before the router looks at the
// window again:
// - there is no press event: a press only decides where the following moves
//   and the release go, and the first move carries the button;
// - while a button is held, the moves and the release go to what was pressed
//   (a glyph, or the background), wherever the pointer is;
// - glyph events carry coordinates relative to the glyph's top-left corner;
// - a left release on a glyph is followed by that glyph's click, except the
//   release that ends a double click;
// - a double click arrives in place of the second press, before its release.
// Buttons: 1 left, 2 right, 4 middle. Pixels may be fractional; they become
// twips at the router's zoom.
class PointerRouter {
  public:
    using Sink = std::function<void(const EditorEvent&)>;

    explicit PointerRouter(Sink sink);

    void press(const ModelWindow& window, int button, int shift, double px, double py);
    void move(const ModelWindow& window, int shift, double px, double py);
    void release(const ModelWindow& window, int button, int shift, double px, double py);
    void double_click(const ModelWindow& window, int button, int shift, double px, double py);
    void focus_lost();
    // Escape: ends the gesture under way as focus_lost does, but takes back a
    // bond half drawn (a move to its start and a release there).
    void escape(const ModelWindow& window);
    // Palette entry `entry` of library `library` dropped at the point.
    void drop(const ModelWindow& window, double px, double py, const std::string& library,
              int entry);

    double zoom() const { return zoom_; }
    void set_zoom(double zoom) { zoom_ = zoom; }

    // The buttons held since a press the router saw.
    int held_buttons() const { return held_; }

    // Forgets a press whose release never came (a modal dialog opened by a
    // double click took it), without raising any event.
    void forget_buttons() {
        held_ = 0;
        captured_ = 0;
    }

  private:
    void begin_press(const ModelWindow& window, int button, float x, float y);
    float twips_x(const ModelWindow& window, double px) const;
    float twips_y(const ModelWindow& window, double py) const;
    // A move, or with `up` a release, for the background (target 0) or a glyph.
    void deliver(const ModelWindow& window, bool up, int target, int button, int shift, float x,
                 float y);

    Sink sink_;
    int held_ = 0;
    int captured_ = 0;  // the pressed glyph, 0 for the background
    bool click_on_release_ = true;
    double zoom_ = 1;
};

}  // namespace vantor
