#include "shared/FormMessageBox.h"

#include <algorithm>

#include "runtime/Application.h"

namespace quillo {

using namespace runtime;

namespace {

constexpr Color kTextBack = 0xFFC0C0;
constexpr Color kButtonBack = 0xC0C0FF;

void designButton(Label& label, Shape& shape, const char* caption, double left) {
    label.setCaption(caption);
    label.Move(left, 2400, 735, 495);
    label.setAlignment(2);
    label.setFont({"Impact", 18, true});
    label.setBackColor(kButtonBack);
    shape.Move(left, 2400, 735, 495);
    shape.setBackStyle(1);
    shape.setBackColor(kButtonBack);
}

}  // namespace

FormMessageBox::FormMessageBox() : Form("FormMessageBox") {
    setBorderStyle(0);
    setBackColor(kTextBack);
    setShowInTaskbar(false);
    ShapeForm.setBackStyle(1);
    ShapeForm.setBackColor(kTextBack);
    ShapeForm.setBorderWidth(2);
    Label1.Move(1770, 240);
    Label1.setAlignment(2);
    Label1.setFont({"ＭＳ Ｐゴシック", 12, true, false, false, 128});
    Label1.setBackColor(kTextBack);
    Label1.setAutoSize(true);
    designButton(LabelYES, ShapeYES, "YES", 1080);
    designButton(LabelOK, ShapeOK, "OK", 1800);
    designButton(LabelNO, ShapeNO, "NO", 2520);
    Timer1.setInterval(100);

    Load = [this] { Form_Load(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    LabelYES.Click = [this] { answer("YES"); };
    LabelOK.Click = [this] { answer("OK"); };
    LabelNO.Click = [this] { answer("NO"); };
}

void FormMessageBox::Form_Load() {
    application().backend().windows().setTopmost(*this, true);
    Label1.setFontSize(12);
    setHeight(5000);
    setWidth(2000);
    Label1.setHeight(5000);
    Label1.setWidth(2000);
    centreOnScreen();
}

void FormMessageBox::setMessage(const std::string& text) {
    // One line per line of the text, unless that leaves the box wider than most of the screen.
    const double widest = application().screen().Width * 2 / 3;
    Label1.setWordWrap(false);
    Label1.setCaption(text);
    if (Label1.Width() > widest) {
        Label1.setWidth(widest);
        Label1.setWordWrap(true);
    }
}

void FormMessageBox::centreOnScreen() {
    const Screen& screen = application().screen();
    Move(screen.Width / 2 - Width() / 2, screen.Height / 2 - Height() / 2);
}

void FormMessageBox::Timer1_Timer() {
    Timer1.setEnabled(false);
    Label& text = Label1;
    const Label& button = LabelYES;
    const double height = 2 * text.Top() + text.Height() + button.Height() + 100;
    // Three buttons side by side are the narrowest box, and the text keeps 100 twips a side.
    const double width = std::max(3 * button.Width(), text.Width() + 200);
    setHeight(height);
    setWidth(width);
    centreOnScreen();
    text.setLeft(width / 2 - text.Width() / 2);

    const double rowTop = 2 * text.Top() + text.Height();
    for (Label* label : {&LabelOK, &LabelYES, &LabelNO})
        label->setTop(rowTop);
    const double centred = width / 2 - 3 * button.Width() / 2;
    LabelYES.setLeft(centred > 0 ? centred : 0);
    LabelOK.setLeft(LabelYES.Left() + LabelYES.Width());
    LabelNO.setLeft(LabelOK.Left() + LabelOK.Width());

    for (auto [shape, label] : {std::pair{&ShapeYES, &LabelYES}, std::pair{&ShapeOK, &LabelOK},
                                std::pair{&ShapeNO, &LabelNO}}) {
        shape->setTop(label->Top());
        shape->setLeft(label->Left());
    }
    ShapeForm.Move(0, 0, width, height);
}

void FormMessageBox::answer(const char* word) {
    if (answer_) *answer_ = word;
    answer_ = nullptr;
    Unload();
}

}  // namespace quillo
