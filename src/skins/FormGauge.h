#pragma once

#include "runtime/Form.h"
#include "runtime/Label.h"

namespace quillo {

// The small progress window that the skin engine shows while it applies a skin. A new one is
// made for each skin list the engine fills; it stays hidden except while a skin is applied.
class FormGauge : public runtime::Form {
  public:
    FormGauge();

    runtime::Label& LabelGauge = add<runtime::Label>("LabelGauge");

  private:
    void Form_Load();
};

}  // namespace quillo
