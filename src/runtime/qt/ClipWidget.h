#pragma once

#include <QImage>
#include <QWidget>

class QVideoSink;

namespace quillo::qt {

// The area a clip plays in: it takes the player's frames as pictures and paints the latest one
// stretched over itself. Painting in software keeps clips visible where the window system has no
// accelerated video path (a virtual X server, a remote display).
class ClipWidget : public QWidget {
    Q_OBJECT
  public:
    explicit ClipWidget(QWidget* parent);
    QVideoSink* sink() const { return sink_; }
    // How many frames have reached the widget.
    int framesShown() const { return framesShown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QVideoSink* sink_;
    QImage frame_;
    int framesShown_ = 0;
};

}  // namespace quillo::qt
