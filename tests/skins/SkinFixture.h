#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/CommonDialog.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/PictureBox.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"
#include "runtime/headless/Harness.h"
#include "shared/MessageBox.h"
#include "skins/ClassSkins.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinFiles.h"

namespace skintest {

using namespace quillo::runtime;

// The main window as the skin engine sees it: its skinned controls, by name.
class MainWindow : public Form {
  public:
    MainWindow();
    Frame& FrameTitleBar = add<Frame>("FrameTitleBar");
    Frame& FrameDashBoard = add<Frame>("FrameDashBoard");
    Label& LabelStatusBarMain = add<Label>("LabelStatusBarMain");
    Label& LabelStatusBarMini = add<Label>("LabelStatusBarMini");
    PictureBox& PictureBottomLeft = add<PictureBox>("PictureBottomLeft");
    PictureBox& PictureBottomCenter = add<PictureBox>("PictureBottomCenter");
    PictureBox& PictureBottomRight = add<PictureBox>("PictureBottomRight");
    Timer& Timer1 = add<Timer>("Timer1");
    Timer& Timer2 = add<Timer>("Timer2");
    quillo::MessageBox& MessageBox1 = add<quillo::MessageBox>("MessageBox1");
    // The picture buttons of fields 3 to 17.
    Image& button(const std::string& name) { return *static_cast<Image*>(findControl(name)); }
};

// An application with an engine on a stand-in main window, the language pack's two skin
// messages, and a record of the messages the engine showed (each answered with OK). For the
// engine's own work, away from the rest of the program: the real program's start-up reads and
// writes the same skin files.
class SkinTest : public ::testing::Test {
  protected:
    SkinTest();
    // Unloads every window and starts again with a new engine and empty records.
    void restart();

    void writeSkin(const std::string& name, const std::vector<std::string>& fields) {
        skintest::writeSkin(harness, name, fields);
    }
    void writeList(const std::string& text) { harness.writeFile("skinlib.txt", text); }
    std::string skinPath(const std::string& name) const;
    // Answers the next n message boxes with OK, keeping their texts in messages.
    void answerMessages(int n);
    // Answers the next message box with the button of this word, or closes it without a click
    // when the word is empty; keeps its text in messages.
    void answerWith(const std::string& word);

    MainWindow& main() { return app().form<MainWindow>(); }
    quillo::FormLoading& manager() { return app().form<quillo::FormLoading>(); }
    quillo::FormSaveAs& saveAs() { return app().form<quillo::FormSaveAs>(); }
    quillo::FormDesignEdit& editor() { return app().form<quillo::FormDesignEdit>(); }
    const std::vector<std::string>& media() { return harness.backend().mediaLog; }
    std::vector<Form*> gauges() const;

    quillo::headless::Harness harness;
    std::vector<std::string> messages;
    int arranged = 0;
    std::unique_ptr<quillo::ClassSkins> skins;
};

}  // namespace skintest
