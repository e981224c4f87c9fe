// The saved-design list DesignData.inf: the design "Kite" is saved into it (replacing an entry of
// that name after a YES), the load dialog lists it, removes its first entry and reopens its last
// from the cache, where the design of http://www.design.test/kids/a.htm is kept.
#include <string>

#include "designs/frmLoadDesign.h"
#include "designs/frmMBrowser.h"
#include "designs/frmSaveDesign.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/Application.h"
#include "runtime/headless/User.h"

namespace {

using namespace quillo;

const std::string kAddress = "http://www.design.test/kids/a.htm";

// A design of the nine required records, each field separated by Chr(2), without pictures.
std::string Design() {
    std::string text;
    for (const char* code : {"FRM", "BCK", "FWD", "HME", "RFH", "STP", "TUL", "SBR", "BSW"})
        text += std::string("<! ") + code +
                "\x02"
                "10\x02"
                "10\x02"
                "40\x02"
                "30 >\r\n";
    return text;
}

void Choose(frmLoadDesign& dialog, int index) {
    if (index >= 0 && index < dialog.lstView.ListCount()) dialog.lstView.setListIndex(index);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool cached = [] {
        fuzz::PlaceInWindowsDir("RN4KMorphingCache/www.design.test/a.htmScriptIndex.dat", Design());
        return true;
    }();
    (void)cached;
    fuzz::Reset(false);
    fuzz::Place("DesignData.inf", fuzz::Text(data, size));

    frmSaveDesign& save = runtime::form<frmSaveDesign>();
    save.setTag(kAddress);
    save.Text1.setText(" Kite ");
    headless::User::click(save.cmdSave);

    frmLoadDesign& dialog = runtime::form<frmLoadDesign>();
    Choose(dialog, 0);
    headless::User::click(dialog.cmdDelete);
    if (dialog.loaded()) {
        Choose(dialog, dialog.lstView.ListCount() - 1);
        headless::User::click(dialog.cmdLoad);
    }
    fuzz::Program().advance(1000);
    fuzz::Reset(false);
    return 0;
}
