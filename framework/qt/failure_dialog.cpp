#include "framework/qt/failure_dialog.h"

#include <QApplication>
#include <QMessageBox>

namespace fw::detail {

namespace {

bool UserSeesDialogs() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

void ShowFailureToUser(const std::string& details) {
    if (!UserSeesDialogs())
        return;
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QStringLiteral("Il programma ha incontrato un errore che non è in grado di gestire."),
                    QMessageBox::Ok);
    box.setInformativeText(QString::fromStdString(details));
    box.exec();
}

} // namespace fw::detail
