#include "runtime/qt/QtDialogServices.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include "runtime/Application.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

using runtime::MsgBoxResult;

namespace {

// The window the user asked from, which owns the dialog; nullptr when there is none.
QWidget* AskingWindow() {
    runtime::Form* opener = runtime::app().opener();
    return opener ? WidgetPeer::widgetOf(*opener) : nullptr;
}

// Runs the dialog modally over the asking window (centred on it, never behind it) and above the
// program's topmost windows. The asking window may go while the dialog is up (timers run on),
// taking the dialog with it: read runs only while the dialog is there, and is handed the code
// that the dialog ended with.
template <class Dialog, class Read>
void RunOverAskingWindow(Dialog* dialog, Read read) {
    QPointer<Dialog> alive(dialog);
    // A message box given a modality takes new window flags: the layer comes after.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    const int code = dialog->exec();
    if (!alive) return;
    read(*dialog, code);
    delete dialog;
}

}  // namespace

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
    auto* box = new QMessageBox(
        shown, title.empty() ? QStringLiteral("Quillo") : QString::fromStdString(title),
        QString::fromStdString(text), yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        AskingWindow());
    // Closed without a button (or taken away with its window): a refusal.
    MsgBoxResult result = yesNo ? MsgBoxResult::No : MsgBoxResult::OK;
    RunOverAskingWindow(box, [&](QMessageBox&, int code) {
        if (code == QMessageBox::Yes) result = MsgBoxResult::Yes;
    });
    return result;
}

std::optional<std::string> QtDialogServices::openFile(const runtime::FileDialogRequest& request) {
    QString filters = QtFileFilter(request.filter);
    QStringList choices = filters.split(";;");
    QString shownFirst;
    if (request.filterIndex >= 1 && request.filterIndex <= choices.size())
        shownFirst = choices[request.filterIndex - 1];
    QString start = QString::fromStdString(request.initialDir);
    if (!request.fileName.empty()) start += "/" + QString::fromStdString(request.fileName);
    auto* dialog =
        new QFileDialog(AskingWindow(), QString::fromStdString(request.title), start, filters);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (!shownFirst.isEmpty()) dialog->selectNameFilter(shownFirst);
    std::optional<std::string> chosen;
    RunOverAskingWindow(dialog, [&](QFileDialog& shown, int code) {
        const QStringList files = shown.selectedFiles();
        if (code == QDialog::Accepted && !files.isEmpty() && !files.first().isEmpty())
            chosen = files.first().toStdString();
    });
    return chosen;
}

std::optional<runtime::Color> QtDialogServices::chooseColor(runtime::Color initial) {
    auto* dialog = new QColorDialog(ToQColor(initial), AskingWindow());
    std::optional<runtime::Color> chosen;
    RunOverAskingWindow(dialog, [&](QColorDialog& shown, int code) {
        if (code == QDialog::Accepted && shown.selectedColor().isValid())
            chosen = FromQColor(shown.selectedColor());
    });
    return chosen;
}

}  // namespace quillo::qt
