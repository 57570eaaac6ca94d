#pragma once

#include <QMessageBox>
#include <memory>

#include "app/ports.h"

class QWidget;

namespace vantor::shell {

class HelpViewer;

// The icon of a message box: its kind's, or the question mark for a
// question that warns of nothing.
QMessageBox::Icon message_icon(const MessageRequest& request);

// The platform ports on Qt: message boxes, file dialogs, the busy pointer,
// the help window and the About box, each over the active window.
class QtPorts : public Ports {
  public:
    QtPorts();
    ~QtPorts() override;

    MessageAnswer message_box(const MessageRequest& request) override;
    std::optional<std::string> open_file(const FileDialogRequest& request) override;
    std::optional<std::string> save_file(const FileDialogRequest& request) override;
    void set_busy_pointer(bool busy) override;
    void show_help(const std::string& file, HelpPage page) override;
    void show_about(const std::string& text) override;

    // The help window, once help has been asked for.
    HelpViewer* help_viewer() const { return help_.get(); }

  private:
    std::unique_ptr<HelpViewer> help_;
    bool busy_ = false;
};

}  // namespace vantor::shell
