#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/qt/ControlWidget.h"
#include "runtime/qt/WidgetPeer.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

std::string number(double value) {
    return std::to_string(static_cast<long>(value));
}

class Recorder : public Form {
  public:
    Recorder() : Form("Recorder") {
        wire(*this, "Form");
        wire(Label1, "Label1");
        wire(Picture1, "Picture1");
        wire(Picture2, "Picture2");
    }
    Label& Label1 = add<Label>("Label1");
    PictureBox& Picture1 = add<PictureBox>("Picture1");
    PictureBox& Picture2 = add<PictureBox>("Picture2");
    std::vector<std::string> log;
    int swallowPress = -1;  // KeyPress sets this character to 0
    int replacePress = -1;  // ... or to replacement
    int replacement = 0;
    int swallowDown = -1;  // KeyDown sets this key code to 0

  private:
    void wire(Control& control, const std::string& name) {
        auto mouse = [this, name](const char* what) {
            return [this, name, what](int button, int shift, double x, double y) {
                log.push_back(name + " " + what + " " + std::to_string(button) + " " +
                              std::to_string(shift) + " " + number(x) + " " + number(y));
            };
        };
        control.MouseDown = mouse("MouseDown");
        control.MouseUp = mouse("MouseUp");
        control.Click = [this, name] { log.push_back(name + " Click"); };
        control.DblClick = [this, name] { log.push_back(name + " DblClick"); };
        control.KeyDown = [this, name](int& code, int shift) {
            log.push_back(name + " KeyDown " + std::to_string(code) + " " + std::to_string(shift));
            if (code == swallowDown) code = 0;
        };
        control.KeyUp = [this, name](int& code, int shift) {
            log.push_back(name + " KeyUp " + std::to_string(code) + " " + std::to_string(shift));
        };
        control.KeyPress = [this, name](int& ascii) {
            log.push_back(name + " KeyPress " + std::to_string(ascii));
            if (ascii == swallowPress) ascii = 0;
            if (ascii == replacePress) ascii = replacement;
        };
        control.GotFocus = [this, name] { log.push_back(name + " GotFocus"); };
        control.LostFocus = [this, name] { log.push_back(name + " LostFocus"); };
    }
};

// A widget whose own key handling records what reaches it, as a text box's would.
class KeyTarget : public quillo::qt::ControlWidget {
  public:
    using ControlWidget::ControlWidget;
    std::vector<QString> received;

  protected:
    void keyToWidget(QKeyEvent& event) override {
        received.push_back(event.text().isEmpty() ? QString("key %1").arg(event.key())
                                                  : event.text());
    }
};

class Input : public QtFixture {
  protected:
    void SetUp() override {
        ASSERT_EQ(application().screen().TwipsPerPixelX, 15.0);
        form = &application().newForm<Recorder>();
        form->Move(0, 0, 6000, 4500);
        form->Label1.Move(150, 150, 1500, 450);
        form->Picture1.Move(3000, 1500, 1500, 1500);
        form->Picture2.Move(300, 3000, 600, 600);
        form->Show();
        form->log.clear();
    }
    QWidget* widget(const Control& control) { return widgetOf(control); }
    // Puts a key-recording widget in place of the picture box's own.
    KeyTarget* recordKeys(PictureBox& box) {
        auto* target = new KeyTarget(box);
        auto peer = std::make_unique<quillo::qt::WidgetPeer>(box, target);
        peer->mirrorAll();
        box.attachPeer(std::move(peer));
        return target;
    }
    Recorder* form = nullptr;
};

using Log = std::vector<std::string>;

}  // namespace

TEST_F(Input, AClickRaisesMouseDownMouseUpAndClickInTwipsOfTheControl) {
    QTest::mouseClick(widget(form->Label1), Qt::LeftButton, {}, QPoint(3, 4));
    EXPECT_EQ(form->log,
              (Log{"Label1 MouseDown 1 0 45 60", "Label1 MouseUp 1 0 45 60", "Label1 Click"}));
}

TEST_F(Input, APressOnTheFormReportsButtonShiftAndTwipsOfTheWindow) {
    QTest::mousePress(widget(*form), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
                      QPoint(30, 200));
    EXPECT_EQ(form->log, (Log{"Form MouseDown 2 3 450 3000"}));
    QTest::mouseRelease(widget(*form), Qt::RightButton, Qt::AltModifier, QPoint(30, 200));
    EXPECT_EQ(form->log.back(), "Form Click");  // the right button clicks too
    EXPECT_EQ(form->log[1], "Form MouseUp 2 4 450 3000");
}

TEST_F(Input, MouseCoordinatesOfAPictureBoxCountFromInsideItsBorder) {
    QTest::mousePress(widget(form->Picture1), Qt::LeftButton, {}, QPoint(12, 7));
    EXPECT_EQ(form->log, (Log{"Picture1 MouseDown 1 0 150 75"}));
}

TEST_F(Input, TheMiddleButtonPressesButDoesNotClick) {
    QTest::mouseClick(widget(form->Label1), Qt::MiddleButton, {}, QPoint(3, 4));
    EXPECT_EQ(form->log, (Log{"Label1 MouseDown 4 0 45 60", "Label1 MouseUp 4 0 45 60"}));
}

TEST_F(Input, AReleaseOutsideTheControlIsNoClick) {
    QTest::mousePress(widget(form->Label1), Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(widget(form->Label1), Qt::LeftButton, {}, QPoint(300, 4));
    EXPECT_EQ(form->log, (Log{"Label1 MouseDown 1 0 45 60", "Label1 MouseUp 1 0 4500 60"}));
}

TEST_F(Input, MovesReportTheButtonsHeld) {
    form->Label1.MouseMove = [this](int button, int shift, double x, double y) {
        form->log.push_back("move " + std::to_string(button) + " " + std::to_string(shift) + " " +
                            number(x) + " " + number(y));
    };
    QWidget* label = widget(form->Label1);
    QMouseEvent free(QEvent::MouseMove, QPointF(2, 3), label->mapToGlobal(QPointF(2, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &free);
    QMouseEvent dragging(QEvent::MouseMove, QPointF(5, 6), label->mapToGlobal(QPointF(5, 6)),
                         Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(label, &dragging);
    EXPECT_EQ(form->log, (Log{"move 0 0 30 45", "move 3 1 75 90"}));
}

TEST_F(Input, ADoubleClickRaisesThePlatformsSequence) {
    QWidget* label = widget(form->Label1);
    auto send = [&](QEvent::Type type, Qt::MouseButtons held, quint64 time) {
        QMouseEvent event(type, QPointF(3, 4), label->mapToGlobal(QPointF(3, 4)), Qt::LeftButton,
                          held, Qt::NoModifier);
        event.setTimestamp(time);
        QCoreApplication::sendEvent(label, &event);
    };
    // Qt's order: press, release, press, double click, release.
    send(QEvent::MouseButtonPress, Qt::LeftButton, 1000);
    send(QEvent::MouseButtonRelease, Qt::NoButton, 1040);
    send(QEvent::MouseButtonPress, Qt::LeftButton, 1150);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, 1150);
    send(QEvent::MouseButtonRelease, Qt::NoButton, 1190);
    EXPECT_EQ(form->log, (Log{"Label1 MouseDown 1 0 45 60", "Label1 MouseUp 1 0 45 60",
                              "Label1 Click", "Label1 DblClick", "Label1 MouseUp 1 0 45 60"}));
    // A third quick press starts a new click.
    form->log.clear();
    send(QEvent::MouseButtonPress, Qt::LeftButton, 1250);
    EXPECT_EQ(form->log, (Log{"Label1 MouseDown 1 0 45 60"}));
}

TEST_F(Input, ADoubleClickEventAloneRaisesDblClick) {
    QTest::mouseDClick(widget(form->Label1), Qt::LeftButton, {}, QPoint(3, 4));
    EXPECT_EQ(form->log, (Log{"Label1 DblClick"}));
}

TEST_F(Input, TwoSlowClicksAreTwoClicks) {
    QTest::mouseClick(widget(form->Label1), Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseClick(widget(form->Label1), Qt::LeftButton, {}, QPoint(3, 4));
    EXPECT_EQ(std::count(form->log.begin(), form->log.end(), "Label1 Click"), 2);
    EXPECT_EQ(std::count(form->log.begin(), form->log.end(), "Label1 DblClick"), 0);
}

TEST_F(Input, AKeyRaisesKeyDownKeyPressAndKeyUpWithTheirCodes) {
    QTest::keyClick(widget(form->Picture1), Qt::Key_A);
    QTest::keyClick(widget(form->Picture1), Qt::Key_Return);
    QTest::keyClick(widget(form->Picture1), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(widget(form->Picture1), Qt::Key_F1);
    EXPECT_EQ(form->log,
              (Log{"Picture1 KeyDown 65 0", "Picture1 KeyPress 97", "Picture1 KeyUp 65 0",
                   "Picture1 KeyDown 13 0", "Picture1 KeyPress 13", "Picture1 KeyUp 13 0",
                   "Picture1 KeyDown 17 2", "Picture1 KeyDown 37 2", "Picture1 KeyUp 37 2",
                   "Picture1 KeyUp 17 0", "Picture1 KeyDown 112 0", "Picture1 KeyUp 112 0"}));
}

TEST_F(Input, AKeyTheHandlersLeaveReachesTheWidget) {
    KeyTarget* target = recordKeys(form->Picture1);
    QTest::keyClick(target, Qt::Key_A);
    QTest::keyClick(target, Qt::Key_Left);
    EXPECT_EQ(target->received, (std::vector<QString>{"a", QString("key %1").arg(Qt::Key_Left)}));
}

TEST_F(Input, AKeyPressSetToZeroIsSwallowed) {
    KeyTarget* target = recordKeys(form->Picture1);
    form->swallowPress = 'a';
    QTest::keyClick(target, Qt::Key_A);
    EXPECT_TRUE(target->received.empty());
    EXPECT_EQ(form->log.back(), "Picture1 KeyUp 65 0");
}

TEST_F(Input, AKeyPressChangedByTheHandlerArrivesChanged) {
    KeyTarget* target = recordKeys(form->Picture1);
    form->replacePress = 'a';
    form->replacement = 'B';
    QTest::keyClick(target, Qt::Key_A);
    EXPECT_EQ(target->received, (std::vector<QString>{"B"}));
}

TEST_F(Input, AKeyDownSetToZeroKeepsTheKeyFromTheWidget) {
    KeyTarget* target = recordKeys(form->Picture1);
    form->swallowDown = 37;
    QTest::keyClick(target, Qt::Key_Left);
    EXPECT_TRUE(target->received.empty());
}

TEST_F(Input, AFormThatPreviewsKeysCanSwallowThemBeforeTheControl) {
    KeyTarget* target = recordKeys(form->Picture1);
    form->setKeyPreview(true);
    form->KeyPress = [this](int& ascii) {
        form->log.push_back("Form KeyPress " + std::to_string(ascii));
        ascii = 0;
    };
    QTest::keyClick(target, Qt::Key_A);
    EXPECT_EQ(form->log, (Log{"Form KeyDown 65 0", "Picture1 KeyDown 65 0", "Form KeyPress 97",
                              "Form KeyUp 65 0", "Picture1 KeyUp 65 0"}));
    EXPECT_TRUE(target->received.empty());
}

TEST_F(Input, AFormWithoutFocusableControlsGetsTheKeysItself) {
    QTest::keyClick(widget(*form), Qt::Key_Escape);
    EXPECT_EQ(form->log, (Log{"Form KeyDown 27 0", "Form KeyPress 27", "Form KeyUp 27 0"}));
}

TEST_F(Input, AFormUnloadedOnMouseUpRaisesNoClick) {
    Log events;
    form->Label1.MouseUp = [&](int, int, double, double) {
        events.push_back("MouseUp");
        form->Unload();
    };
    form->Label1.Click = [&] { events.push_back("Click"); };
    QPointer<QWidget> label = widget(form->Label1);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 4));
    EXPECT_EQ(events, (Log{"MouseUp"}));
    settle();
    EXPECT_TRUE(label.isNull());
}

TEST_F(Input, FocusGivenByTheUserMovesFromControlToControlOnce) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget(*form)));
    settle();
    // The window gave its first picture box the focus when it came up.
    EXPECT_EQ(form->activeControl(), &form->Picture1);
    form->log.clear();
    widget(form->Picture2)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form->log, (Log{"Picture1 LostFocus", "Picture2 GotFocus"}));
    EXPECT_EQ(form->activeControl(), &form->Picture2);
}

TEST_F(Input, FocusSetByTheProgramIsNotEchoedBack) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget(*form)));
    form->Picture2.SetFocus();
    settle();
    form->log.clear();
    form->Picture1.SetFocus();
    settle();
    EXPECT_EQ(form->log, (Log{"Picture2 LostFocus", "Picture1 GotFocus"}));
    EXPECT_TRUE(widget(form->Picture1)->hasFocus());
}

TEST_F(Input, AWindowMovedByAHandlerDoesNotMoveTheFormAgain) {
    form->Picture1.MouseDown = [this](int, int, double, double) { form->setLeft(1507); };
    QTest::mouseClick(widget(form->Picture1), Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_EQ(form->Left(), 1507);
    EXPECT_EQ(widget(*form)->x(), 100);
}
