#pragma once

#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

#include "app/equations_follower.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QTabWidget;
class QTableWidget;
class QTextBrowser;

namespace vantor {
class Ports;
struct Model;
}  // namespace vantor

namespace vantor::shell {

// The state equations of a model window's model: typeset, symbolic or
// numeric; its states, inputs, outputs and parameters, a row of which
// selects its element; for a linear system the matrices, the poles and a
// Bode plot. It follows the model: while a bond lacks causality it keeps
// the last equations, greyed, and says which bond.
class EquationsWindow : public QMainWindow {
    Q_OBJECT

  public:
    // `select` selects an element in the model window; models of
    // `background_elements` elements or more are derived off this thread.
    EquationsWindow(Ports& ports, std::function<void(int)> select, QWidget* parent = nullptr,
                    int background_elements = kBackgroundElements);

    void set_model(const std::string& caption, const std::string& folder);

    // Derives again when the model changed and shows the result, at once or
    // when the derivation in the background is done.
    void follow(const Model& model);

    const EquationsSnapshot& snapshot() const { return follower_.snapshot(); }
    bool deriving() const { return follower_.deriving(); }

    void set_numeric(bool numeric);
    // The Bode plot of input `input` to output `output` (indices into the system's lists).
    void choose_bode(int input, int output);

    // The File menu; false when there was nothing to copy or save, the user
    // cancelled or the file could not be written, which is reported.
    bool copy_latex();
    bool copy_matlab();
    bool save_as();

    QTextBrowser* equations_text() const { return equations_; }
    QTextBrowser* linear_text() const { return linear_; }
    QTableWidget* variables() const { return variables_; }
    QLabel* message() const { return message_; }
    QChartView* magnitude_view() const { return magnitude_; }
    QChartView* phase_view() const { return phase_; }
    QComboBox* bode_input() const { return input_; }
    QComboBox* bode_output() const { return output_; }
    QLabel* transfer_function() const { return transfer_; }
    QTabWidget* pages() const { return pages_; }
    QString readout() const;

    // The readout of the Bode plot at angular frequency `w`.
    void show_readout(double w);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build_menu();
    void update_title();
    void collected();
    void show_snapshot();
    void show_view();
    void fill_variables();
    void fill_bode_choices();
    void update_bode();
    bool copy(equations::Format format);

    Ports& ports_;
    std::function<void(int)> select_;
    EquationsFollower follower_;
    std::string caption_;
    std::string folder_;
    std::vector<equations::BodePoint> bode_;
    bool filling_ = false;

    QLabel* message_;
    QCheckBox* numeric_;
    QTabWidget* pages_;
    QTextBrowser* equations_;
    QTableWidget* variables_;
    QTextBrowser* linear_;
    QComboBox* input_;
    QComboBox* output_;
    QLabel* transfer_;
    QChartView* magnitude_;
    QChartView* phase_;
    QLabel* readout_;
};

}  // namespace vantor::shell
