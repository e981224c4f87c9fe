#include "runtime/qt/QtFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <map>
#include <utility>

namespace quillo::qt {

namespace {

constexpr int japaneseCharset = 128;

bool isJapaneseFace(const QString& name) {
    static const QStringList marks{"ゴシック", "明朝", "Gothic", "Mincho", "Meiryo", "メイリオ"};
    for (const QString& mark : marks)
        if (name.contains(mark, Qt::CaseInsensitive)) return true;
    return false;
}

// The faces that stand for a missing one, best first. This is the only place that knows which
// Linux faces replace which Windows faces.
QStringList standInsFor(const QString& name, int charset) {
    const QString lower = name.toLower();
    if (charset == japaneseCharset || isJapaneseFace(name)) {
        if (name.contains("明朝") || lower.contains("mincho"))
            return {"Noto Serif CJK JP", "Noto Sans CJK JP", "IPAPMincho", "serif"};
        return {"Noto Sans CJK JP", "Noto Sans JP", "IPAPGothic", "VL PGothic", "sans-serif"};
    }
    if (lower == "impact")
        return {"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans"};
    if (lower == "arial" || lower == "helvetica")
        return {"Liberation Sans", "DejaVu Sans", "sans-serif"};
    if (lower == "times new roman" || lower == "ms serif" || lower == "times")
        return {"Liberation Serif", "DejaVu Serif", "serif"};
    if (lower == "courier new" || lower == "courier" || lower == "fixedsys")
        return {"Liberation Mono", "DejaVu Sans Mono", "monospace"};
    // MS Sans Serif, Microsoft Sans Serif, Tahoma, Verdana and whatever else is missing.
    return {"DejaVu Sans", "Noto Sans", "sans-serif"};
}

}  // namespace

QString InstalledFamilyFor(const std::string& name, int charset) {
    static std::map<std::pair<std::string, int>, QString> known;
    auto key = std::make_pair(name, charset == japaneseCharset ? japaneseCharset : 0);
    if (auto found = known.find(key); found != known.end()) return found->second;

    const QString face = QString::fromStdString(name);
    QString chosen;
    bool japanese = key.second == japaneseCharset || isJapaneseFace(face);
    if (!face.isEmpty() && !japanese && QFontDatabase::hasFamily(face)) chosen = face;
    if (chosen.isEmpty() && japanese && QFontDatabase::hasFamily(face) &&
        QFontDatabase::writingSystems(face).contains(QFontDatabase::Japanese))
        chosen = face;
    if (chosen.isEmpty()) {
        const QStringList candidates = standInsFor(face, key.second);
        for (const QString& candidate : candidates)
            if (QFontDatabase::hasFamily(candidate)) {
                chosen = candidate;
                break;
            }
        // The generic names at the end are fontconfig's aliases, always resolvable.
        if (chosen.isEmpty()) chosen = candidates.back();
    }
    known.emplace(key, chosen);
    return chosen;
}

QFont ToQFont(const runtime::Font& font) {
    QFont result(InstalledFamilyFor(font.Name, font.Charset));
    result.setPointSizeF(font.Size > 0 ? font.Size : 8.25);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    return result;
}

}  // namespace quillo::qt
