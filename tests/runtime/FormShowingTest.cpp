#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/Application.h"
#include "runtime/Label.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::PeerEvent;

namespace {

class Plain : public Form {
  public:
    Plain() : Form("Plain") {}
    Label& Label1 = add<Label>("Label1");
};

bool saw(const std::vector<PeerEvent>& events, const std::string& control, Property property) {
    return std::any_of(events.begin(), events.end(), [&](const PeerEvent& event) {
        return event.control == control && event.property == property;
    });
}

}  // namespace

TEST(FormShowing, ALoadedFormIsHiddenUntilShown) {
    Harness harness;
    auto& form = app().form<Plain>();
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.Visible());
    harness.backend().peerEvents.clear();
    form.Show();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(saw(harness.backend().peerEvents, "Plain", Property::Visible));
}

TEST(FormShowing, HidingAFormThatWasNeverShownTellsThePeerNothing) {
    Harness harness;
    auto& form = app().form<Plain>();
    harness.backend().peerEvents.clear();
    form.Hide();
    EXPECT_FALSE(saw(harness.backend().peerEvents, "Plain", Property::Visible));
}

TEST(ZOrder, KeepsTheLastPositionForThePeer) {
    Harness harness;
    auto& form = app().form<Plain>();
    EXPECT_EQ(form.Label1.lastZOrder(), 0);
    form.Label1.ZOrder(1);
    EXPECT_EQ(form.Label1.lastZOrder(), 1);
    EXPECT_TRUE(saw(harness.backend().peerEvents, "Plain.Label1", Property::ZOrder));
    form.Label1.ZOrder();
    EXPECT_EQ(form.Label1.lastZOrder(), 0);
}
