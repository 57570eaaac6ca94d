#pragma once

#include <QString>

#include "model/drawn_counts.h"

class QLabel;
class QStatusBar;

namespace vantor::shell {

// The model window's lasting status bar fields: the pointer's position in
// twips, the counts of what the user drew, and the zoom. Passing messages
// (showMessage) still show beside them.
class ModelStatus {
  public:
    explicit ModelStatus(QStatusBar& bar);

    void show_pointer(float x, float y);
    void show_counts(const DrawnCounts& counts);
    void show_zoom(int percent);
    // A passing hint; an empty one takes the last hint away, but no other
    // message shown since.
    void show_hint(const QString& text);

    static QString pointer_text(float x, float y);
    static QString counts_text(const DrawnCounts& counts);
    static QString zoom_text(int percent);

  private:
    QStatusBar* bar_;
    QLabel* pointer_;
    QLabel* counts_;
    QLabel* zoom_;
    QString hint_;
};

}  // namespace vantor::shell
