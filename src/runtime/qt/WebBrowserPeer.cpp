#include "runtime/qt/WebBrowserPeer.h"

#include <QPointer>
#include <QWidget>
#include <cmath>

#include "runtime/WebBrowser.h"
#include "runtime/qt/PageKeyRoute.h"
#include "runtime/qt/QtWebEngine.h"

namespace quillo::qt {

namespace {

class WebBrowserPeer : public runtime::ControlPeer {
  public:
    WebBrowserPeer(QWidget* view, std::function<QWidget*(runtime::Control&)> widgetOf, double tppX,
                   double tppY)
        : view_(view), widgetOf_(std::move(widgetOf)), tppX_(tppX), tppY_(tppY) {}

    long itemAt(const runtime::Control&, double, double) override { return 0; }
    void changed(runtime::Control& control, runtime::Property property) override {
        if (!view_) return;
        switch (property) {
            case runtime::Property::Container:
                place(control);
                break;
            case runtime::Property::Geometry:
                view_->setGeometry(pixels(control.Left(), tppX_), pixels(control.Top(), tppY_),
                                   pixels(control.Width(), tppX_), pixels(control.Height(), tppY_));
                break;
            case runtime::Property::Visible:
                view_->setVisible(control.Visible());
                break;
            case runtime::Property::Enabled:
                view_->setEnabled(control.Enabled());
                break;
            case runtime::Property::ZOrder:
                view_->raise();
                break;
            case runtime::Property::Focus:
                view_->setFocus();
                break;
            case runtime::Property::Destroyed:
                view_->hide();
                view_->setParent(nullptr);
                break;
            default:
                break;
        }
    }

    void place(runtime::Control& control) {
        QWidget* parent = control.container() ? widgetOf_(*control.container()) : nullptr;
        view_->setParent(parent);
        changed(control, runtime::Property::Geometry);
        view_->setVisible(control.Visible());
    }

  private:
    static int pixels(double twips, double perPixel) {
        return static_cast<int>(std::lround(twips / (perPixel > 0 ? perPixel : 15)));
    }

    QPointer<QWidget> view_;
    std::function<QWidget*(runtime::Control&)> widgetOf_;
    double tppX_;
    double tppY_;
};

}  // namespace

std::unique_ptr<runtime::ControlPeer> makeWebBrowserPeer(
    runtime::WebBrowser& browser, std::function<QWidget*(runtime::Control&)> widgetOf,
    double twipsPerPixelX, double twipsPerPixelY) {
    auto* engine = dynamic_cast<QtWebEngine*>(browser.engine());
    if (!engine || !engine->widget()) return nullptr;
    QWidget* view = engine->widget();
    if (!view->findChild<PageKeyRoute*>(QString(), Qt::FindDirectChildrenOnly))
        new PageKeyRoute(view, browser);
    auto peer = std::make_unique<WebBrowserPeer>(engine->widget(), std::move(widgetOf),
                                                 twipsPerPixelX, twipsPerPixelY);
    peer->place(browser);
    return peer;
}

}  // namespace quillo::qt
