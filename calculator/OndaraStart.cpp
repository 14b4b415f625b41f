#include "OndaraStart.h"

#include "MessageBox.h"
#include "StoreError.h"
#include "frmOndara.h"

#include <QApplication>
#include <QDir>

#include <memory>

namespace ondara {

QString startFailureText(const StoreError &error)
{
    // The launcher makes a missing database but leaves a damaged one alone,
    // since it may still hold the user's saved calculations.
    const QString remedy = error.number() == StoreError::FileNotFound
        ? QStringLiteral("Start Ondara with ondara-launch, which makes the folder and an empty database.")
        : QStringLiteral("Repair the file or move it away; ondara-launch then makes a new, empty one.");
    return QStringLiteral("Ondara cannot open its saved calculations and has to stop.\n\n"
                          "Folder: %1\nReason: %2\nError #%3\n\n%4")
        .arg(QDir::toNativeSeparators(QDir::currentPath()), error.description(), QString::number(error.number()),
             remedy);
}

void showStartFailure(const QString &text)
{
    showMessage(nullptr, text, QStringLiteral("Ondara"), QMessageBox::Critical);
}

int runOndara(QApplication &app, const StartFailureReport &report)
{
    std::unique_ptr<frmOndara> window;
    try {
        window = std::make_unique<frmOndara>();
    } catch (const StoreError &error) {
        report(startFailureText(error));
        return 1;
    }
    window->show();
    return app.exec();
}

} // namespace ondara
