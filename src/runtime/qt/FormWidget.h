#pragma once

#include <QMenuBar>
#include <QPointer>

#include "runtime/qt/ControlWidget.h"

namespace quillo::runtime {
class Form;
}

namespace quillo::qt {

// The top-level window of a form: its back colour, its picture at its own size in the top-left
// corner and what PaintPicture drew. What the user does to the window (moving, sizing,
// minimizing, closing) goes back to the form.
class FormWidget : public ControlWidget {
    Q_OBJECT
  public:
    explicit FormWidget(runtime::Form& form);

    // True while the window's own move or resize is written into the form; the form's
    // geometry is not mirrored back meanwhile.
    bool reporting() const { return reporting_; }
    // Repaints for a change of the form's colour, picture or drawing. Such a repaint raises no
    // Paint event: a Paint handler that draws would otherwise raise the next one, forever.
    void updateFromModel();
    // The visible menus of the form's top level make a menu bar above the drawing area. It is
    // built again soon after a menu changes: the change may come from a Click of its own entry.
    void menusChanged();
    QMenuBar* menuBar() const { return menuBar_; }
    QPoint clientOrigin() const override;
    // The window is seen on the screen (the user presses in it, or it moves or resizes). A
    // minimize that the window system never carried out (no window manager: the window stayed
    // exposed) is over then, and the form's state comes back to normal. False while the window
    // is minimized indeed.
    bool confirmShown();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    runtime::Form* form() const;
    void reportGeometry();
    // Form_Paint runs after the repaint, outside Qt's painting.
    void schedulePaintEvent();

    void buildMenuBar();

    QPointer<QMenuBar> menuBar_;
    bool menusPending_ = false;
    bool paintEventPending_ = false;
    bool modelUpdatePending_ = false;
    bool reporting_ = false;
};

}  // namespace quillo::qt
