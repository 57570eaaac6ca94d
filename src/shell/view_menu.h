#pragma once

class QMenuBar;

namespace vantor::shell {

class ModelCanvas;

// The model window's "&View" menu: Zoom In (Ctrl++, or Ctrl+= where + needs
// Shift), Zoom Out (Ctrl+-), Actual Size (Ctrl+0) and Zoom to Fit (Ctrl+9),
// all working `canvas`'s zoom. Nothing of it reaches the journal but the
// size and scrolling a zoom sends.
void add_view_menu(QMenuBar& bar, ModelCanvas& canvas);

}  // namespace vantor::shell
