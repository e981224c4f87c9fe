#include "runtime/qt/PeerFactory.h"

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/WebBrowser.h"
#include "runtime/qt/FormPeer.h"
#include "runtime/qt/FrameWidget.h"
#include "runtime/qt/ImageWidget.h"
#include "runtime/qt/LabelWidget.h"
#include "runtime/qt/PictureBoxWidget.h"
#include "runtime/qt/WebBrowserPeer.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

using runtime::ControlKind;

std::unique_ptr<runtime::ControlPeer> CreatePeer(runtime::Control& control,
                                                 const std::function<void()>& windowShownOrGone) {
    switch (control.kind()) {
        case ControlKind::Form:
            return FormPeer::createPeer(static_cast<runtime::Form&>(control), windowShownOrGone);
        case ControlKind::Label:
            return LabelWidget::createPeer(control);
        case ControlKind::Image:
            return ImageWidget::createPeer(control);
        case ControlKind::PictureBox:
            return PictureBoxWidget::createPeer(control);
        case ControlKind::Frame:
            return FrameWidget::createPeer(control);
        case ControlKind::WebBrowser: {
            const runtime::Screen& screen = control.form().application().screen();
            return makeWebBrowserPeer(
                static_cast<runtime::WebBrowser&>(control),
                [](runtime::Control& container) -> QWidget* {
                    return WidgetPeer::widgetOf(container);
                },
                screen.TwipsPerPixelX, screen.TwipsPerPixelY);
        }
        case ControlKind::Timer:  // runs on the backend's clock, nothing to show
        default:
            return nullptr;
    }
}

}  // namespace quillo::qt
