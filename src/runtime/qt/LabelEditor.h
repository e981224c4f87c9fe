#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

namespace quillo::qt {

// The field of a label edit of a tree node or list item, laid over it. Enter or leaving the field
// ends the edit with the typed text, Escape abandons it; either way it tells the owner once.
class LabelEditor : public QObject {
    Q_OBJECT
  public:
    LabelEditor();

    // The user ended the edit: the typed text, or nothing when abandoned.
    std::function<void(std::optional<std::string>)> finished;

    bool isOpen() const { return field_ != nullptr; }
    void open(QWidget* parent, const QRect& place, const QString& text);
    // Takes the field away without telling the owner: the model ended the edit itself.
    void close();
    // A click on the selected entry starts an edit once the time for a double click has passed
    // without a second click, as on the platform; start then checks that the edit is still due.
    void startSoon(std::function<void()> start);
    void cancelStart();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void finish(bool keep);

    QPointer<QLineEdit> field_;
    QTimer delay_;
    std::function<void()> pendingStart_;
};

}  // namespace quillo::qt
