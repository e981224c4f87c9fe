#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <optional>
#include <string>

namespace quillo::qt {

// The field of a label edit of a tree node or list item, laid over it. Enter or leaving the field
// ends the edit with the typed text, Escape abandons it; either way it tells the owner once.
class LabelEditor : public QObject {
    Q_OBJECT
  public:
    // The user ended the edit: the typed text, or nothing when abandoned.
    std::function<void(std::optional<std::string>)> finished;

    bool isOpen() const { return field_ != nullptr; }
    void open(QWidget* parent, const QRect& place, const QString& text);
    // Takes the field away without telling the owner: the model ended the edit itself.
    void close();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void finish(bool keep);

    QPointer<QLineEdit> field_;
};

}  // namespace quillo::qt
