#pragma once

// How a model window runs what its menus and dialogs ask of its document;
// shared by the window's own source files.

#include "app/model_document.h"
#include "editor/action_history.h"
#include "editor/commands.h"
#include "shell/model_window_widget.h"

namespace vantor::shell {

template <typename Handler>
void ModelWindowWidget::run(Handler handler) {
    if (document_ == nullptr) return;
    handler(*document_);
    sync();
}

template <typename Handler>
void ModelWindowWidget::run_menu(const Command& row, Handler handler) {
    if (document_ == nullptr || commands_wait(row)) return;
    journal(menu_event(row));
    handler(*document_);
    if (document_ != nullptr) document_->history.after_event(document_->window, menu_event(row));
    sync();
}

}  // namespace vantor::shell
