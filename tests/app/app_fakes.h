#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/ports.h"

namespace vantor::test {

// Answers dialogs and message boxes from scripts and records every request.
class FakePorts : public Ports {
  public:
    MessageAnswer message_box(const MessageRequest& request) override {
        messages.push_back(request.text);
        last_message = request;
        if (on_message) on_message();
        if (answers.empty()) return MessageAnswer::kOk;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> open_file(const FileDialogRequest& request) override {
        return next_file(request);
    }
    std::optional<std::string> save_file(const FileDialogRequest& request) override {
        return next_file(request);
    }
    void set_busy_pointer(bool busy) override { busy_depth += busy ? 1 : -1; }
    void show_help(const std::string& file, HelpPage page) override {
        help.push_back(file + (page == HelpPage::kContents ? " contents" : " how-to"));
    }
    void show_about(const std::string& text) override { about.push_back(text); }

    // Called as each message shows, to look at what else is on screen then.
    std::function<void()> on_message;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> files;  // nullopt: the user cancels
    std::vector<std::string> messages;
    MessageRequest last_message;
    std::vector<FileDialogRequest> dialogs;
    std::vector<std::string> help;
    std::vector<std::string> about;
    int busy_depth = 0;

  private:
    std::optional<std::string> next_file(const FileDialogRequest& request) {
        dialogs.push_back(request);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

class FakeDesktop : public Desktop {
  public:
    void model_window_opened(int k) override { events.push_back("open " + std::to_string(k)); }
    void model_window_closed(int k) override { events.push_back("close " + std::to_string(k)); }
    void focus_model_window(int k) override { events.push_back("focus " + std::to_string(k)); }
    void show_palette(int i) override { events.push_back("palette " + std::to_string(i)); }
    void window_menu_changed() override {}

    std::vector<std::string> events;
};

}  // namespace vantor::test
