#include "ProgramOnQt.h"

#include <stdlib.h>

#include <QCoreApplication>
#include <QEvent>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "E2E.h"
#include "mainwindow/FormSplashScreen.h"
#include "runtime/headless/User.h"

namespace quillo::e2e {

namespace fs = std::filesystem;

long RecordingQtBackend::showPopupMenu(const runtime::MenuRequest& request) {
    menusShown.push_back(request);
    if (menuAnswers.empty()) return 0;
    std::string caption = std::move(menuAnswers.front());
    menuAnswers.pop_front();
    return headless::FindMenuEntry(request.entries, caption);
}

ProgramOnQt::ProgramOnQt() {
    ::e2e::ensureQt();  // the maker's site, before the first page is made
    std::string pattern = (fs::temp_directory_path() / "quillo-road-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern;
    fs::create_directories(folder_ + "/windows/Favorites");
    // The program folder's shipped content: the language pack and the default skin.
    fs::copy(QUILLO_ASSETS_DIR, folder_, fs::copy_options::recursive);
}

ProgramOnQt::~ProgramOnQt() {
    application_.reset();
    ::e2e::waitFor([] { return false; }, 200);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

form1& ProgramOnQt::start(const std::string& command) {
    runtime::AppInfo info;
    info.Path = folder_;
    info.Command = command;
    info.WindowsDir = folder_ + "/windows";
    application_ = std::make_unique<runtime::Application>(backend_, info);
    StartProgram();
    EXPECT_TRUE(::e2e::waitFor([] {
        auto* main = runtime::app().loadedForm<form1>();
        return main && main->Visible() && !main->WebBrowser2.LocationURL().empty() &&
               !main->WebBrowser2.Busy();
    }));
    return *runtime::app().loadedForm<form1>();
}

bool ProgramOnQt::browse(form1& main, const std::string& address, const std::string& shown) {
    main.ComboURL.setText(address);
    headless::User::type(main.ComboURL, "\r");
    return ::e2e::waitFor([&] {
        return main.WebBrowser2.LocationURL() == shown && !main.WebBrowser2.Busy() &&
               main.WebBrowser2.ReadyState() == 4;
    });
}

std::string ProgramOnQt::readFile(const std::string& name) const {
    std::ifstream in(folder_ + "/" + name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace quillo::e2e
