#include "shell/page_fit_choice.h"

#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

namespace vantor::shell {

namespace {

const QString kKey = QStringLiteral("printing/page");
const QString kActual = QStringLiteral("actual size");
const QString kFit = QStringLiteral("fit to page");

}  // namespace

paint::PageFit stored_page_fit(const QSettings& settings) {
    return settings.value(kKey).toString() == kActual ? paint::PageFit::kActualSize
                                                      : paint::PageFit::kFitToPage;
}

void store_page_fit(QSettings& settings, paint::PageFit fit) {
    settings.setValue(kKey, fit == paint::PageFit::kActualSize ? kActual : kFit);
}

PageFitTab::PageFitTab(paint::PageFit fit, QWidget* parent)
    : QWidget(parent),
      fit_(new QRadioButton(QStringLiteral("Fit to page"), this)),
      actual_(new QRadioButton(QStringLiteral("Actual size"), this)) {
    setObjectName(QStringLiteral("pageFit"));
    setWindowTitle(QStringLiteral("Page"));
    fit_->setObjectName(QStringLiteral("fitToPage"));
    actual_->setObjectName(QStringLiteral("actualSize"));
    fit_->setToolTip(QStringLiteral(
        "The drawing scaled down to the printable area where it is larger, and centred"));
    actual_->setToolTip(
        QStringLiteral("One to one, the drawing's origin on the page's corner: a large drawing "
                       "is cut off"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fit_);
    layout->addWidget(actual_);
    layout->addStretch();
    (fit == paint::PageFit::kActualSize ? actual_ : fit_)->setChecked(true);
}

paint::PageFit PageFitTab::fit() const {
    return actual_->isChecked() ? paint::PageFit::kActualSize : paint::PageFit::kFitToPage;
}

}  // namespace vantor::shell
