#include "runtime/qt/QtDialogServices.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "runtime/qt/QtColors.h"

namespace quillo::qt {

using runtime::MsgBoxResult;

QString QtDialogServices::QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            // "*.*" means every file on the platform; Qt's "*.*" wants a dot in the name.
            patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        if (patterns.isEmpty()) continue;
        entries << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(),
                                                 patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QLatin1String(";;"));
}

MsgBoxResult QtDialogServices::messageBox(const std::string& text, runtime::MsgBoxButtons buttons,
                                          runtime::MsgBoxIcon icon, const std::string& title) {
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    switch (icon) {
        case runtime::MsgBoxIcon::Critical:
            shown = QMessageBox::Critical;
            break;
        case runtime::MsgBoxIcon::Question:
            shown = QMessageBox::Question;
            break;
        case runtime::MsgBoxIcon::Exclamation:
            shown = QMessageBox::Warning;
            break;
        case runtime::MsgBoxIcon::Information:
            shown = QMessageBox::Information;
            break;
        case runtime::MsgBoxIcon::None:
            break;
    }
    const bool yesNo = buttons == runtime::MsgBoxButtons::YesNo;
    QMessageBox box(shown, title.empty() ? QStringLiteral("Quillo") : QString::fromStdString(title),
                    QString::fromStdString(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgBoxResult::Yes;
        case QMessageBox::No:
            return MsgBoxResult::No;
        case QMessageBox::Ok:
            return MsgBoxResult::OK;
        default:
            return yesNo ? MsgBoxResult::No : MsgBoxResult::OK;
    }
}

std::optional<std::string> QtDialogServices::openFile(const runtime::FileDialogRequest& request) {
    QString filters = QtFileFilter(request.filter);
    QStringList choices = filters.split(";;");
    QString shownFirst;
    if (request.filterIndex >= 1 && request.filterIndex <= choices.size())
        shownFirst = choices[request.filterIndex - 1];
    QString start = QString::fromStdString(request.initialDir);
    if (!request.fileName.empty()) start += "/" + QString::fromStdString(request.fileName);
    QString chosen = QFileDialog::getOpenFileName(nullptr, QString::fromStdString(request.title),
                                                  start, filters, &shownFirst);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<runtime::Color> QtDialogServices::chooseColor(runtime::Color initial) {
    QColor chosen = QColorDialog::getColor(ToQColor(initial));
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

}  // namespace quillo::qt
