#pragma once

#include "app/recovery_keeper.h"

class QWidget;

namespace vantor::shell {

// "Recover Models": each copy's model, file and time, with Open and Discard
// buttons; a copy left unchosen, or every copy on Cancel, waits for the next
// start.
class QtRecoveryDialog : public RecoveryDialogPort {
  public:
    explicit QtRecoveryDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::vector<RecoveryChoice> choose(const std::vector<RecoveryCopy>& copies) override;

  private:
    QWidget* parent_;
};

}  // namespace vantor::shell
