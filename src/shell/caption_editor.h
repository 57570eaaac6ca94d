#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <string>

#include "editor/events.h"
#include "paint/glyph_painter.h"
#include "window/controls.h"

namespace vantor::shell {

// The caption box `Text1` as a real text editor laid over its rectangle
// while the window's state shows it. What the user types goes out as the
// box's whole new text, line breaks as CR LF; losing the focus to anything
// but a menu or another window closes the box. Escape hands the focus back
// to the canvas, which ends the edit the same way.
class CaptionEditor : public QPlainTextEdit {
  public:
    using Forward = std::function<void(const EditorEvent&)>;

    CaptionEditor(Forward forward, QWidget* canvas);

    // Brings the editor in line with the box: shown over its rectangle (as
    // seen from `origin` at `zoom`) with its text and font, or hidden;
    // focused when the box asks for the focus.
    void follow(const TextBox& box, paint::ViewOrigin origin, double zoom = 1);

    // The window is gone: hidden, and nothing more is sent.
    void detach();

    // The box's text for the editor's text, and back.
    static QString shown_text(const std::string& cp1252);
    static std::string box_text(const QString& shown);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void typed();

    Forward forward_;
    bool following_ = false;  // the editor's own changes are no typing
};

}  // namespace vantor::shell
