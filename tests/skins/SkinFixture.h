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

// The picture buttons of descriptor fields 3 to 17, in field order.
extern const std::vector<std::string> kButtonNames;

// A GIF header is all a picture's size needs.
std::string gif(int width, int height);
// "<f0><f1>...<fn>" and CR LF.
std::string descriptor(const std::vector<std::string>& fields);
std::vector<std::string> listEntries(const ListBox& list);

// An application with an engine on a stand-in main window, the language pack's two skin
// messages, and a record of the messages the engine showed (each answered with OK).
class SkinTest : public ::testing::Test {
  protected:
    SkinTest();
    // Unloads every window and starts again with a new engine and empty records.
    void restart();

    // The 21 fields of a skin whose pictures are named after their controls; colours 0xFFFFFF
    // (white), 255 and 65280; field 18 a picture unless given.
    static std::vector<std::string> fieldsOf(const std::string& stripClip = "PictureBottomLeft");
    // Writes skins/<name>/<name>.tz3 and a picture for every picture field (width = 10 + field
    // number, height 7), and clip bytes for a field ending in .avi.
    void writeSkin(const std::string& name, const std::vector<std::string>& fields);
    void writeList(const std::string& text) { harness.writeFile("skinlib.txt", text); }
    std::string skinPath(const std::string& name) const;
    // Answers the next n message boxes with OK, keeping their texts in messages.
    void answerMessages(int n);

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
