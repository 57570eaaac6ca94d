#include "shell/qt_ports.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

#include "paint/qt_text.h"
#include "shell/about_dialog.h"
#include "shell/file_filter.h"
#include "shell/help_viewer.h"

namespace vantor::shell {

namespace {

const QString kTitle = QStringLiteral("Vantor");

QMessageBox::StandardButton qt_button(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::kYes:
            return QMessageBox::Yes;
        case MessageAnswer::kNo:
            return QMessageBox::No;
        case MessageAnswer::kCancel:
            return QMessageBox::Cancel;
        case MessageAnswer::kOk:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer core_answer(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::kYes;
        case QMessageBox::No:
            return MessageAnswer::kNo;
        case QMessageBox::Cancel:
            return MessageAnswer::kCancel;
        default:
            return MessageAnswer::kOk;
    }
}

// Where a file dialog starts: the proposed name in the start folder (a
// proposed full path stands for itself).
QString start_path(const FileDialogRequest& request) {
    const QString folder = QString::fromStdString(request.folder);
    const QString name = QString::fromStdString(request.proposed_name);
    if (name.isEmpty()) return folder;
    return QDir(folder).filePath(name);
}

std::optional<std::string> chosen(const QString& file) {
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

}  // namespace

QMessageBox::Icon message_icon(const MessageRequest& request) {
    switch (request.kind) {
        case MessageKind::kError:
            return QMessageBox::Critical;
        case MessageKind::kWarning:
            return QMessageBox::Warning;
        case MessageKind::kInformation:
            break;
    }
    return request.buttons == MessageButtons::kYesNoCancel ? QMessageBox::Question
                                                           : QMessageBox::Information;
}

QtPorts::QtPorts() = default;

QtPorts::~QtPorts() {
    if (busy_) QGuiApplication::restoreOverrideCursor();
}

MessageAnswer QtPorts::message_box(const MessageRequest& request) {
    const bool question = request.buttons == MessageButtons::kYesNoCancel;
    const QMessageBox::Icon icon = message_icon(request);
    QMessageBox box(
        icon, kTitle, paint::to_display_text(request.text),
        question ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok,
        QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(question ? qt_button(request.default_button) : QMessageBox::Ok);
    if (question) box.setEscapeButton(QMessageBox::Cancel);
    return core_answer(box.exec());
}

std::optional<std::string> QtPorts::open_file(const FileDialogRequest& request) {
    // Qt's open dialog only accepts an existing file in an existing folder,
    // which is what must_exist asks for.
    return chosen(QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QString::fromStdString(request.title), start_path(request),
        qt_file_filter(request.filter)));
}

std::optional<std::string> QtPorts::save_file(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title),
                       start_path(request), qt_file_filter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.confirm_overwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an extension takes the chosen filter's.
    dialog.setDefaultSuffix(default_suffix_for(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& entry) { dialog.setDefaultSuffix(default_suffix_for(entry)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

void QtPorts::set_busy_pointer(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtPorts::show_help(const std::string& file, HelpPage page) {
    const QString manual = QString::fromStdString(file);
    const QString shown =
        page == HelpPage::kContents
            ? manual
            : QFileInfo(manual).dir().filePath(QStringLiteral("help_viewer.html"));
    if (!help_) help_ = std::make_unique<HelpViewer>();
    help_->open(manual, shown);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void QtPorts::show_about(const std::string& text) {
    AboutDialog about(paint::to_display_text(text), QApplication::activeWindow());
    about.exec();
}

}  // namespace vantor::shell
