#pragma once

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"

namespace quillo {

// The splash window, the program's start-up object: shown (topmost) only when no other copy of
// the program runs, it loads the main window after 500 ms and stays until the main window shows.
class FormSplashScreen : public runtime::Form {
  public:
    FormSplashScreen();

    runtime::Label& LabelTitle = add<runtime::Label>("LabelTitle");
    runtime::Label& LabelLoading = add<runtime::Label>("LabelLoading");
    runtime::Timer& Timer1 = add<runtime::Timer>("Timer1");

    void Form_Load();
    void Timer1_Timer();
};

// Starts the program on the running application: loads its start-up object, the splash window.
// The backend's event loop does the rest.
void StartProgram();

}  // namespace quillo
