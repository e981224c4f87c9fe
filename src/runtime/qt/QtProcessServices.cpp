#include "runtime/qt/QtProcessServices.h"

#include <QProcess>
#include <QStringList>

namespace quillo::qt {

bool QtProcessServices::start(const std::string& program,
                              const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program), list);
}

bool QtProcessServices::openMailClient() {
    if (QProcess::startDetached(QStringLiteral("xdg-email"), {})) return true;
    return QProcess::startDetached(QStringLiteral("xdg-open"), {QStringLiteral("mailto:")});
}

}  // namespace quillo::qt
