#include "mainwindow/FormSplashScreen.h"

#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

FormSplashScreen::FormSplashScreen() : Form("FormSplashScreen") {
    setBorderStyle(0);
    setCaption("Quillo");
    setBackColor(runtime::RGB(47, 134, 224));
    setWidth(PixelsToTwips(360));
    setHeight(PixelsToTwips(200));
    const runtime::Screen& screen = application().screen();
    setLeft(screen.Width / 2 - Width() / 2);
    setTop(screen.Height / 2 - Height() / 2);
    runtime::Font title;
    title.Name = "DejaVu Sans";
    title.Size = 36;
    title.Bold = true;
    LabelTitle.setFont(title);
    LabelTitle.setCaption("Quillo");
    LabelTitle.setAlignment(2);
    LabelTitle.setBackStyle(0);
    LabelTitle.setForeColor(runtime::RGB(255, 255, 255));
    LabelTitle.Move(0, PixelsToTwips(50), Width(), PixelsToTwips(70));
    LabelLoading.setCaption("Loading...");
    LabelLoading.setAlignment(2);
    LabelLoading.setBackStyle(0);
    LabelLoading.setForeColor(runtime::RGB(255, 255, 255));
    LabelLoading.Move(0, PixelsToTwips(140), Width(), PixelsToTwips(24));
    Timer1.setEnabled(false);
    Load = [this] { Form_Load(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
}

void FormSplashScreen::Form_Load() {
    // A second copy runs without a splash.
    if (!application().App().PrevInstance) setVisible(true);
    application().backend().windows().setTopmost(*this, true);
    Timer1.setInterval(500);
    Timer1.setEnabled(true);
}

void FormSplashScreen::Timer1_Timer() {
    Timer1.setEnabled(false);
    // Referring to the main window loads it, hidden; it shows itself once it is ready.
    application().form<form1>();
}

void StartProgram() {
    runtime::app().form<FormSplashScreen>();
}

}  // namespace quillo
