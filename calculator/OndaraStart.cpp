#include "OndaraStart.h"

#include "MessageBox.h"
#include "StoreError.h"
#include "frmOndara.h"
#include "modOndara.h"

#include <QApplication>
#include <QDir>
#include <QEvent>

#include <functional>
#include <memory>

namespace ondara {
namespace {

// Runs a piece of work once the widget it watches has painted for the first time.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget *watched, std::function<void()> work)
        : QObject(watched), m_work(std::move(work))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, m_work, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

QString startFailureText(const StoreError &error)
{
    // The launcher makes a missing database but leaves a damaged one alone,
    // since it may still hold the user's saved calculations.
    const QString remedy = error.number() == StoreError::FileNotFound
        ? QCoreApplication::translate("ondara", "Start Ondara with ondara-launch, which makes the folder and an empty database.")
        : QCoreApplication::translate("ondara", "Repair the file or move it away; ondara-launch then makes a new, empty one.");
    return QCoreApplication::translate("ondara", "Ondara cannot open its saved calculations and has to stop.\n\n"
                          "Folder: %1\nReason: %2\nError #%3\n\n%4")
        .arg(QDir::toNativeSeparators(QDir::currentPath()), error.description(), QString::number(error.number()),
             remedy);
}

void showStartFailure(const QString &text)
{
    showMessage(nullptr, text, QCoreApplication::translate("ondara", "Ondara"), QMessageBox::Critical);
}

int runOndara(QApplication &app, const StartFailureReport &report)
{
    const auto window = std::make_unique<frmOndara>();
    // The window is on screen first; then the saved calculations are opened
    // and, since damage can lie anywhere in the file, read through, which
    // costs as much as the file is long. A file that fails either ends the run.
    new AfterFirstPaint(window.get(), [&app, &window, &report] {
        try {
            window->LoadStore();
            gdbSymbols->requireIntact();
        } catch (const StoreError &error) {
            window->hide();
            report(startFailureText(error));
            app.exit(1);
        }
    });
    window->show();
    return app.exec();
}

} // namespace ondara
