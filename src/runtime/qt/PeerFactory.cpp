#include "runtime/qt/PeerFactory.h"

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/WebBrowser.h"
#include "runtime/qt/CheckBoxWidget.h"
#include "runtime/qt/ComboBoxWidget.h"
#include "runtime/qt/DirListBoxWidget.h"
#include "runtime/qt/FileListBoxWidget.h"
#include "runtime/qt/FormPeer.h"
#include "runtime/qt/FrameWidget.h"
#include "runtime/qt/ImageWidget.h"
#include "runtime/qt/LabelWidget.h"
#include "runtime/qt/LineWidget.h"
#include "runtime/qt/ListBoxWidget.h"
#include "runtime/qt/ListViewWidget.h"
#include "runtime/qt/MenuPeer.h"
#include "runtime/qt/PictureBoxWidget.h"
#include "runtime/qt/ShapeWidget.h"
#include "runtime/qt/TextBoxWidget.h"
#include "runtime/qt/TreeViewWidget.h"
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
        case ControlKind::TextBox:
            return TextBoxWidget::createPeer(control);
        case ControlKind::ComboBox:
            return ComboBoxWidget::createPeer(control);
        case ControlKind::ListBox:
            return ListBoxWidget::createPeer(control);
        case ControlKind::CheckBox:
            return CheckBoxWidget::createPeer(control);
        case ControlKind::Shape:
            return ShapeWidget::createPeer(control);
        case ControlKind::Line:
            return LineWidget::createPeer(control);
        case ControlKind::TreeView:
            return TreeViewWidget::createPeer(control);
        case ControlKind::ListView:
            return ListViewWidget::createPeer(control);
        case ControlKind::FileListBox:
            return FileListBoxWidget::createPeer(control);
        case ControlKind::DirListBox:
            return DirListBoxWidget::createPeer(control);
        case ControlKind::Menu:
            return MenuPeer::createPeer(control);
        case ControlKind::Timer:  // runs on the backend's clock, nothing to show
        default:
            return nullptr;
    }
}

}  // namespace quillo::qt
