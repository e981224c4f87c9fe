#include "runtime/qt/FrameReport.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace quillo::qt {

namespace {

std::string utf8(QStringView text) {
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

FrameReport::FrameReport(const QString& message) : text_(message) {
    qsizetype end = text_.indexOf(QLatin1Char('\n'));
    payloadAt_ = end < 0 ? text_.size() : end + 1;
    head_ = QJsonDocument::fromJson(QStringView(text_).left(end < 0 ? text_.size() : end).toUtf8())
                .object();
    parked_ = head_.value(QLatin1String("parked")).toInt();
}

void FrameReport::setPayload(QString payload) {
    text_ = std::move(payload);
    payloadAt_ = 0;
}

QStringView FrameReport::view(const QJsonValue& value) const {
    if (!value.isObject()) return {};
    QJsonArray stretch = value.toObject().value(QLatin1String("@")).toArray();
    qsizetype start = stretch.at(0).toInteger(-1), length = stretch.at(1).toInteger(-1);
    QStringView all = payload();
    if (start < 0 || length < 0 || start + length > all.size()) return {};
    return all.mid(start, length);
}

std::string FrameReport::text(const QJsonValue& value) const {
    if (value.isString()) return value.toString().toStdString();
    return utf8(view(value));
}

std::vector<runtime::HtmlElementData> FrameReport::elements() const {
    std::vector<runtime::HtmlElementData> all;
    QJsonValue tagsValue = head_.value(QLatin1String("tags"));
    QString tagsText = tagsValue.isString() ? tagsValue.toString() : view(tagsValue).toString();
    for (QStringView tag : QStringView(tagsText).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        all.push_back({tag.toString().toStdString(), std::nullopt});
    const QJsonArray texts = head_.value(QLatin1String("texts")).toArray();
    for (qsizetype i = 0; i + 1 < texts.size(); i += 2) {
        qsizetype index = texts.at(i).toInteger(-1);
        if (index >= 0 && index < static_cast<qsizetype>(all.size()))
            all[static_cast<std::size_t>(index)].text = text(texts.at(i + 1));
    }
    return all;
}

std::optional<runtime::HtmlBodyData> FrameReport::body(
    const std::vector<runtime::HtmlElementData>& all) const {
    QJsonValue value = head_.value(QLatin1String("body"));
    if (!value.isObject()) return std::nullopt;
    QJsonObject body = value.toObject();
    QJsonValue outerValue = body.value(QLatin1String("outer"));
    std::string outer = text(outerValue);
    std::optional<std::string> inner;
    if (body.contains(QLatin1String("innerAt"))) {
        // The inner markup is a stretch of the outer one, counted in UTF-16 units, between the
        // body's tags; as these end and begin with ASCII, it is a stretch of the outer markup's
        // UTF-8 too, which is only cut.
        QString outerText = outerValue.isString() ? outerValue.toString() : QString();
        QStringView outerView = outerValue.isString() ? QStringView(outerText) : view(outerValue);
        qsizetype at = body.value(QLatin1String("innerAt")).toInteger(-1);
        qsizetype length = body.value(QLatin1String("innerLength")).toInteger(-1);
        if (at >= 0 && length >= 0 && at + length <= outerView.size()) {
            auto ascii = [&outerView](qsizetype i) {
                return i < 0 || i >= outerView.size() || outerView[i].unicode() < 0x80;
            };
            std::size_t head = utf8(outerView.left(at)).size();
            std::size_t tail = utf8(outerView.mid(at + length)).size();
            if (ascii(at - 1) && ascii(at + length) && head + tail <= outer.size())
                inner = outer.substr(head, outer.size() - head - tail);
            else
                inner = utf8(outerView.mid(at, length));
        }
    } else {
        inner = text(body.value(QLatin1String("inner")));
    }
    // The body's text is that of its element among all.
    qsizetype at = body.value(QLatin1String("at")).toInteger(-1);
    std::optional<std::string> bodyText;
    if (at >= 0 && at < static_cast<qsizetype>(all.size()))
        bodyText = all[static_cast<std::size_t>(at)].text;
    return runtime::HtmlBodyData{text(body.value(QLatin1String("tag"))), std::move(bodyText),
                                 std::move(inner), std::move(outer)};
}

std::vector<std::string> FrameReport::comments() const {
    std::vector<std::string> data;
    for (const QJsonValue& value : head_.value(QLatin1String("comments")).toArray())
        data.push_back(text(value));
    return data;
}

}  // namespace quillo::qt
