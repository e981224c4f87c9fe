#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <vector>

#include "runtime/DocumentData.h"

namespace quillo::qt {

// One report of the frame script: a line of JSON, then the payload that its long texts travel
// in. A long text stands in the JSON as {"@": [start, length]}, a stretch of the payload counted
// in UTF-16 units, so that neither side escapes or parses it.
class FrameReport {
  public:
    explicit FrameReport(const QString& message);

    const QJsonObject& head() const { return head_; }
    QStringView view(const QJsonValue& value) const;
    std::string text(const QJsonValue& value) const;
    std::string text(const char* key) const { return text(head_.value(QLatin1String(key))); }

    // The document model of a snapshot: every element's tag and the texts taken (an element
    // whose text lies whole within its parent's has none of its own: every phrase in it is in
    // the enclosing text already), the body's markup and the comments' data.
    std::vector<runtime::HtmlElementData> elements() const;
    std::optional<runtime::HtmlBodyData> body(
        const std::vector<runtime::HtmlElementData>& all) const;
    std::vector<std::string> comments() const;

  private:
    QString message_;
    QJsonObject head_;
    QStringView payload_;
};

}  // namespace quillo::qt
