#include "shell/parameter_dialog_widget.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/cp1252.h"
#include "paint/qt_text.h"

namespace vantor::shell {

namespace {

constexpr int kTwipsPerPixel = 15;

QRect pixels(const TwipsRect& r) {
    return {r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
            r.height / kTwipsPerPixel};
}

QString from_model(const std::string& cp1252) {
    return paint::to_display_text(cp1252_to_utf8(cp1252));
}

std::string to_model(const QString& text) {
    return utf8_to_cp1252(text.toStdString());
}

std::string without_trailing_blanks(const std::string& text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The core's text for what the box shows: an unchanged value keeps its
// blanks, an edited one is padded with blanks to the length it had.
std::string with_padding_of(const std::string& before, std::string shown) {
    if (shown == without_trailing_blanks(before)) return before;
    if (shown.size() < before.size()) shown.resize(before.size(), ' ');
    return shown;
}

// The close box closes without copying; the buttons close through done().
class ParametersWindow : public QDialog {
  public:
    using QDialog::QDialog;
    std::function<void()> on_close_box;

    // Escape acts as the close box.
    void reject() override {
        if (on_close_box) on_close_box();
        done(QDialog::Rejected);
    }

  protected:
    void closeEvent(QCloseEvent* event) override {
        reject();
        event->accept();
    }
};

}  // namespace

void QtParameterDialogPort::show_modal(ParameterDialog& dialog, AppState& app) {
    ParametersWindow window(parent_);
    window.setWindowTitle(from_model(dialog.caption));
    window.setFixedSize(4935 / kTwipsPerPixel, 5400 / kTwipsPerPixel);

    auto place = [](QWidget* widget, const DialogControl& control) {
        widget->setGeometry(pixels(control.place));
        widget->setVisible(control.visible);
    };
    auto label = [&](const DialogControl& control) {
        auto* l = new QLabel(from_model(control.caption), &window);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(l, control);
        return l;
    };
    auto box = [&](const DialogControl& control) {
        // The box shows the value without the blanks that pad it, so it opens
        // on the value with the caret after it; every other byte survives.
        auto* b = new QLineEdit(
            QString::fromStdString(cp1252_to_utf8(without_trailing_blanks(control.text))), &window);
        b->setCursorPosition(static_cast<int>(b->text().size()));
        place(b, control);
        return b;
    };
    label(dialog.description);
    label(dialog.Parameter1);
    label(dialog.Parameter2);
    QLineEdit* value1 = box(dialog.value1);
    QLineEdit* value2 = box(dialog.value2);

    // What a replay has seen of the boxes, so only changes are journaled.
    std::string journaled1 = dialog.value1.text, journaled2 = dialog.value2.text;
    auto sync_boxes = [&] {
        dialog.value1.text = with_padding_of(dialog.value1.text, to_model(value1->text()));
        dialog.value2.text = with_padding_of(dialog.value2.text, to_model(value2->text()));
        if (dialog.value1.visible && dialog.value1.text != journaled1) {
            journal_({EventKind::kDialog, 0, 0, 0, 0, 0, 0, "value1", dialog.value1.text});
            journaled1 = dialog.value1.text;
        }
        if (dialog.value2.visible && dialog.value2.text != journaled2) {
            journal_({EventKind::kDialog, 0, 0, 0, 0, 0, 0, "value2", dialog.value2.text});
            journaled2 = dialog.value2.text;
        }
    };
    auto press = [&](const char* name) {
        journal_({EventKind::kDialog, 0, 0, 0, 0, 0, 0, name, {}});
    };
    auto button = [&](const DialogControl& control, std::function<void()> action) {
        auto* b = new QPushButton(from_model(control.caption), &window);
        place(b, control);
        QObject::connect(b, &QPushButton::clicked, &window, action);
        return b;
    };
    button(dialog.Apply, [&] {
        sync_boxes();
        press("Apply");
        Apply_Click(dialog, app);
    });
    button(dialog.Cancel, [&] {
        sync_boxes();
        press("Cancel");
        Cancel_Click(dialog, app);
        window.done(QDialog::Rejected);
    });
    button(dialog.Close, [&] {
        sync_boxes();
        press("Close");
        close_Click(dialog, app);
        window.done(QDialog::Accepted);
    });
    window.on_close_box = [&] {
        if (!dialog.open) return;
        press("closebox");
        close_box(dialog);
    };
    window.exec();
    window.on_close_box = nullptr;
}

}  // namespace vantor::shell
