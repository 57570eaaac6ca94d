#pragma once

#include <QWidget>

#include "paint/page_fit.h"

class QRadioButton;
class QSettings;

namespace vantor::shell {

// The page layout Print Options last chose; fit to page for a new user.
paint::PageFit stored_page_fit(const QSettings& settings);
void store_page_fit(QSettings& settings, paint::PageFit fit);

// The print dialog's tab that chooses the page layout: "Fit to page" or
// "Actual size".
class PageFitTab : public QWidget {
  public:
    explicit PageFitTab(paint::PageFit fit, QWidget* parent = nullptr);

    paint::PageFit fit() const;

  private:
    QRadioButton* fit_;
    QRadioButton* actual_;
};

}  // namespace vantor::shell
