// A picture downloaded for a design, served with the input's bytes as an image: the design window
// draws it stretched as its own picture and shows it on its Back button.
#include <filesystem>

#include "designs/frmMBrowser.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/Application.h"

namespace {

using namespace quillo;

const std::string kAddress = "http://www.design.test/kids/a.htm";
const std::string kPicture = "http://img.test/picture";

std::string Design() {
    std::string text;
    for (const char* code : {"FRM", "BCK", "FWD", "HME", "RFH", "STP", "TUL", "SBR", "BSW"}) {
        text += std::string("<! ") + code +
                "\x02"
                "10\x02"
                "10\x02"
                "40\x02"
                "30";
        if (code == std::string("FRM")) text += "\x02-1\x02" + kPicture;
        if (code == std::string("BCK")) text += "\x02" + kPicture;
        text += " >\r\n";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reset(false);
    std::error_code ignored;
    std::filesystem::remove_all(fuzz::Program().windowsDir() + "/RN4KMorphingCache", ignored);
    fuzz::Program().backend().http.add(
        kPicture, headless::ScriptedResponse::file("image/gif", fuzz::Text(data, size)));
    frmMBrowser& window = runtime::app().newForm<frmMBrowser>();
    window.setTag(kAddress);
    window.MorphFromPage(Design(), kAddress);
    fuzz::Program().advance(1000);
    fuzz::Reset(false);
    return 0;
}
