// The State Equations window's copies and files.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <algorithm>
#include <cctype>

#include "app/ports.h"
#include "equations/numeric_values.h"
#include "model/file_error.h"
#include "model/file_saving.h"
#include "shell/equations_window.h"

namespace vantor::shell {

namespace eq = equations;

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// The format a file name's extension asks for; text for anything else.
eq::Format format_of(const std::string& path) {
    const auto ends = [&path](const char* tail) {
        const std::string t(tail);
        if (path.size() < t.size()) return false;
        std::string end = path.substr(path.size() - t.size());
        std::transform(end.begin(), end.end(), end.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return end == t;
    };
    if (ends(".tex")) return eq::Format::kLatex;
    if (ends(".m")) return eq::Format::kMatlab;
    if (ends(".json")) return eq::Format::kJson;
    return eq::Format::kText;
}

}  // namespace

bool EquationsWindow::copy(eq::Format format) {
    if (!snapshot().has_equations) return false;
    try {
        QApplication::clipboard()->setText(
            qt(follower_.format(format, numeric_->isChecked(), caption_)));
        return true;
    } catch (const eq::NumericError& e) {
        ports_.message_box({e.what(), MessageButtons::kOk, MessageKind::kError});
        return false;
    }
}

bool EquationsWindow::copy_latex() {
    return copy(eq::Format::kLatex);
}

bool EquationsWindow::copy_matlab() {
    return copy(eq::Format::kMatlab);
}

bool EquationsWindow::save_as() {
    if (!snapshot().has_equations) return false;
    const std::string stem = caption_.empty() ? "model" : caption_;
    const std::optional<std::string> path = ports_.save_file(
        {"Save Equations As",
         "Text (*.txt)|*.txt|LaTeX (*.tex)|*.tex|MATLAB (*.m)|*.m|JSON (*.json)|*.json|", folder_,
         stem + ".txt", false, true});
    if (!path) return false;
    try {
        save_file(*path, follower_.format(format_of(*path), numeric_->isChecked(), caption_));
        return true;
    } catch (const eq::NumericError& e) {
        ports_.message_box({e.what(), MessageButtons::kOk, MessageKind::kError});
    } catch (const FileError& e) {
        ports_.message_box({std::string("The file could not be written: ") + e.what(),
                            MessageButtons::kOk, MessageKind::kError});
    }
    return false;
}

}  // namespace vantor::shell
