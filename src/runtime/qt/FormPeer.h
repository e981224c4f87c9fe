#pragma once

#include <functional>
#include <memory>

#include "runtime/qt/WidgetPeer.h"

namespace quillo::runtime {
class Form;
}

namespace quillo::qt {

// The peer of a form: a top-level window, frameless when the form has no border, with the
// form's caption, place, window state and visibility. Topmost is a window service, kept here so
// that a change of border does not lose it.
class FormPeer : public WidgetPeer {
  public:
    // shownOrGone runs whenever the window is shown, hidden or let go: modal loops wait on that.
    FormPeer(runtime::Form& form, std::function<void()> shownOrGone);
    ~FormPeer() override;

    // The peer of a newly loaded form, its window in line with the form (hidden until shown).
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Form& form,
                                                            std::function<void()> shownOrGone);
    static FormPeer* of(const runtime::Form& form);
    void setTopmost(bool topmost);
    bool topmost() const { return topmost_; }
    // A modal window of the program blocks this one (or no longer does).
    void setBlocked(bool blocked);

  protected:
    void apply(runtime::Property property) override;
    void applyGeometry() override;
    void applyVisible() override;
    void release() override;

  private:
    runtime::Form& form() const;
    void applyFlags();
    // Modality, stacking and owner for a window about to be shown.
    void applyOwner();
    void applyWindowState();

    std::function<void()> shownOrGone_;
    bool topmost_ = false;
    bool blocked_ = false;
};

}  // namespace quillo::qt
