#pragma once

#include <string>
#include <vector>

#include "runtime/ControlPeer.h"

namespace quillo::headless {

using namespace quillo::runtime;

class HeadlessBackend;

// A change that a recording peer saw: which control, which property.
struct PeerEvent {
    std::string control;  // "form.control" or "form.control(index)"; a form is its own name
    Property property;
    bool operator==(const PeerEvent&) const = default;
};

// The headless side of a control: it writes every change into the backend's log and answers
// hit tests from rows of the backend's row height, top to bottom, over the control's width. A
// step in the entries is logged as a change of Items (or Expansion); the backend also counts the
// rows that a peer showing them would write (HeadlessBackend::rowsWritten).
class RecordingPeer : public ControlPeer {
  public:
    explicit RecordingPeer(HeadlessBackend& backend) : backend_(backend) {}
    void changed(Control& control, Property property) override;
    long itemAt(const Control& control, double x, double y) override;
    void entryChanged(Control& control, const EntryChange& change) override;

  private:
    void record(Control& control, Property property);

    HeadlessBackend& backend_;
};

// The name a recording peer gives a control: "form.control", with "(index)" for array elements.
std::string PeerName(const Control& control);

}  // namespace quillo::headless
