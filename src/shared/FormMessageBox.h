#pragma once

#include <string>

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/Shape.h"
#include "runtime/Timer.h"

namespace quillo {

// The skinned message box's window: the text, three button slots (YES, OK, NO) and a frame.
// Each answer unloads it, so every message loads it afresh; its one-shot timer fits it to the
// text 100 ms after loading, once the label has taken the text's size.
class FormMessageBox : public runtime::Form {
  public:
    FormMessageBox();

    runtime::Shape& ShapeForm = add<runtime::Shape>("ShapeForm");
    runtime::Shape& ShapeYES = add<runtime::Shape>("ShapeYES");
    runtime::Shape& ShapeOK = add<runtime::Shape>("ShapeOK");
    runtime::Shape& ShapeNO = add<runtime::Shape>("ShapeNO");
    runtime::Label& Label1 = add<runtime::Label>("Label1");
    runtime::Label& LabelYES = add<runtime::Label>("LabelYES");
    runtime::Label& LabelOK = add<runtime::Label>("LabelOK");
    runtime::Label& LabelNO = add<runtime::Label>("LabelNO");
    runtime::Timer& Timer1 = add<runtime::Timer>("Timer1");

    // Puts the message into Label1; a text wider than the screen allows wraps at that width.
    void setMessage(const std::string& text);
    // Where a button click leaves its word; the box writes nothing when it closes otherwise.
    void setAnswerTarget(std::string* target) { answer_ = target; }
    // Places the box at its current size in the middle of the screen.
    void centreOnScreen();

  private:
    void Form_Load();
    void Timer1_Timer();
    void answer(const char* word);

    std::string* answer_ = nullptr;
};

}  // namespace quillo
