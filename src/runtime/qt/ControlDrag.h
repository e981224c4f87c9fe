#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <memory>

namespace quillo::runtime {
class Control;
}

namespace quillo::qt {

class ControlWidget;

// Dragging a control onto another, run by the program itself rather than by the window system's
// drag and drop: while it runs, it holds the mouse and shows the drag pointer; the release drops
// the control on the control under the pointer, in any window of the program (the source itself
// when it is released over itself), which gets DragDrop with the point in its own twips.
// Escape, a release outside every window of the program, or the source going away end it with
// nothing dropped. Every mouse event of the program is taken while it runs.
class ControlDrag : public QObject {
    Q_OBJECT
  public:
    // Starts dragging the control of this widget unless it is being dragged already; a drag of
    // another control ends first, with nothing dropped.
    static void start(ControlWidget& source);
    // Ends the drag of this control, if one runs, with nothing dropped.
    static void cancel(const runtime::Control& source);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit ControlDrag(ControlWidget& source);
    // Lets go of the mouse, the keyboard and the pointer shape; the drag is over.
    void finish();
    void drop(QPointF global);

    QPointer<ControlWidget> sourceWidget_;
    runtime::Control* source_;
    std::weak_ptr<const void> sourceAlive_;
};

}  // namespace quillo::qt
