#pragma once

#include "runtime/Form.h"
#include "runtime/TextBox.h"

namespace quillo {

// The about window: the program's title picture (its background bitmap) and the language
// folder's agreement text, which the program menu puts into Text1.
class FormAbout : public runtime::Form {
  public:
    FormAbout();

    runtime::TextBox& Text1 = add<runtime::TextBox>("Text1");
};

}  // namespace quillo
