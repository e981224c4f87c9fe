#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <memory>

class QWidget;

namespace quillo::runtime {
class Control;
}

namespace quillo::qt {

// Keys typed into a page go through its browser control first, as keys of any other control do:
// the form sees them when it previews keys and can swallow them before the page gets them.
// Watches the view and every widget that appears inside it (the page's own input widget comes
// and goes with the page's renderer). A key swallowed reaches the page in no form: the page also
// takes editing keys (paste, select all) from the shortcut override that comes ahead of the key,
// so that override is held back and handed on only with a key the handlers let through.
class PageKeyRoute : public QObject {
    Q_OBJECT
  public:
    // Lives as long as the view, whose child it becomes.
    PageKeyRoute(QWidget* view, runtime::Control& control);

    // A page hands the keys it leaves unhandled on to its view's parent widget: such a key went
    // through the control on its way in, so that parent must not raise it again. True (once) for
    // such a key arriving at that parent.
    static bool cameBackFromPage(const QKeyEvent& event, const QWidget* receiver);
    // The browser control whose page this view shows; nullptr for any other widget.
    static runtime::Control* controlOf(const QWidget* view);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watch(QObject* object);
    // True when the control's handlers let the key through to the page.
    bool routed(const QKeyEvent& key);
    // Raises the key on the control; false when it was swallowed.
    bool routeKey(QKeyEvent& key);
    // The shortcut override is held back for the key press it came ahead of, and handed on to
    // the widget it was meant for when that press reaches the page.
    void holdOverride(QObject* watched, const QKeyEvent& override);
    void handOnOverride(const QKeyEvent& press);

    QWidget* view_;
    runtime::Control* control_;
    std::weak_ptr<const void> life_;
    // The key being routed: on its way up from a widget inside the view it is not raised again.
    bool onItsWayUp(const QKeyEvent& key) const;
    const QKeyEvent* inFlight_ = nullptr;
    QEvent::Type inFlightType_ = QEvent::None;
    int inFlightKey_ = 0;
    std::unique_ptr<QKeyEvent> heldOverride_;
    QPointer<QObject> heldFor_;
    bool handingOn_ = false;
};

}  // namespace quillo::qt
