#pragma once

#include <optional>
#include <string>

namespace vantor {

// What the program needs from the platform. Text here is UTF-8: paths as the
// system names them, messages for people. Model text (Windows-1252) is
// converted before it gets here. Qt implements these in the shell; tests
// use fakes.

enum class MessageButtons { kOk, kYesNoCancel };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

// What a message is, which its icon shows: a note or a plain refusal, a
// warning of something that may be lost, or an error (a failure, something
// that cannot be read or written).
enum class MessageKind { kInformation, kWarning, kError };

// A message box titled "Vantor".
struct MessageRequest {
    std::string text;
    MessageButtons buttons = MessageButtons::kOk;
    MessageKind kind = MessageKind::kInformation;
    MessageAnswer default_button = MessageAnswer::kOk;
};

struct FileDialogRequest {
    std::string title;
    std::string filter;  // "Name|patterns|Name|patterns|", patterns separated by ";"
    std::string folder;  // where the dialog starts
    std::string proposed_name;
    bool must_exist = false;         // open: the file and its folder must exist
    bool confirm_overwrite = false;  // save: ask before replacing a file
};

enum class HelpPage { kContents, kHowToUseHelp };

class Ports {
  public:
    virtual ~Ports() = default;

    virtual MessageAnswer message_box(const MessageRequest& request) = 0;

    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<std::string> open_file(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> save_file(const FileDialogRequest& request) = 0;

    // The hourglass over the program's windows, or the normal pointer.
    virtual void set_busy_pointer(bool busy) = 0;

    // The help viewer on the manual `file`, or on the viewer's own page.
    virtual void show_help(const std::string& file, HelpPage page) = 0;

    // The modal About box with `text`; returns when it is closed.
    virtual void show_about(const std::string& text) = 0;
};

// Shows an OK-only message.
inline void tell(Ports& ports, const std::string& text,
                 MessageKind kind = MessageKind::kInformation) {
    ports.message_box({text, MessageButtons::kOk, kind});
}

}  // namespace vantor
