#include "skins/SkinnedProgram.h"

#include "runtime/Application.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"

namespace skintest {

using namespace quillo;

SkinnedProgram::SkinnedProgram() {
    harness().layAssets(QUILLO_ASSETS_DIR);
}

std::string SkinnedProgram::skinPath(const std::string& name) const {
    return program.harness.programFolder() + "/skins/" + name;
}

void SkinnedProgram::writeSea(const std::vector<std::string>& fields) {
    harness().writeFile("skinlib.txt", "Quillo\x02Sea\x02\r\n");
    writeSkin(harness(), "Sea", fields);
}

void SkinnedProgram::answerMessages(int n, std::function<void()> meanwhile) {
    for (int i = 0; i < n; ++i)
        harness().backend().answerModal("FormMessageBox", [this, meanwhile](runtime::Form& shown) {
            auto& box = static_cast<FormMessageBox&>(shown);
            messages.push_back(box.Label1.Caption());
            if (meanwhile) meanwhile();
            headless::User::click(box.LabelOK);
        });
}

void SkinnedProgram::watchGauges() {
    harness().backend().onChange = [this](runtime::Control& control, runtime::Property property) {
        if (property != runtime::Property::Caption || control.Name() != "LabelGauge" ||
            control.form().Name() != "FormGauge")
            return;
        const form1* window = runtime::app().loadedForm<form1>();
        const runtime::Form& gauge = control.form();
        gaugeSteps.push_back({static_cast<runtime::Label&>(control).Caption(), gauge.Visible(),
                              window && window->Timer1.getEnabled(), gauge.Left(), gauge.Top()});
    };
}

std::string SkinnedProgram::tagOf(const std::string& control) {
    return main().findControl(control)->Tag();
}

std::vector<std::string> gaugeCaptions() {
    std::vector<std::string> captions;
    for (int percent :
         {1, 2, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 90, 95, 100})
        captions.push_back(std::to_string(percent) + "% Completed.");
    return captions;
}

}  // namespace skintest
