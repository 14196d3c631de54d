// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/web_launcher.h"

#include "widgets/event_pause.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QUrl>

#include <csignal>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace cw {
namespace {

QString LauncherText(const char* text) {
    return QCoreApplication::translate("WebLauncher", text);
}

// How long the desktop's handler has to report. One that finds no program for the address
// fails within a fraction of a second, and one that passes the address to a browser ends as
// fast; only a handler that keeps the browser it started in its foreground (xdg-open without
// a desktop environment does) is still running by then, and it has found a browser. The
// player's input waits meanwhile, so the wait stays short.
constexpr int kDesktopHandlerWaitMs = 3000;

// Linux programs carry no extension, and the file system model's own permission filter hides
// every readable entry, folders included, when it is asked for executable ones. So "Programs"
// keeps the folders, to click through, and the files that may be run.
class ProgramsFilter final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setActive(bool active) {
        active_ = active;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!active_ || files == nullptr)
            return true;
        const QFileInfo entry = files->fileInfo(files->index(row, 0, parent));
        return entry.isDir() || entry.isExecutable();
    }

private:
    bool active_ = true;
};

// Qt names a program by text, which cannot hold bytes that are not UTF-8; such a path is
// started by its bytes, detached the way Qt starts one: in a session of its own, with the
// signals the game ignores back to their defaults, and reaped when it ends.
bool StartDetachedByBytes(QByteArray program, QByteArray argument) {
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGXFSZ);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF);
    char* arguments[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    const int error =
        posix_spawnp(&child, program.constData(), nullptr, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return false;
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    return true;
}

// It ends with the browser it runs, or with the game; or it may still fail to start.
void LeaveRunning(std::unique_ptr<QProcess> handler) {
    QProcess* running = handler.release();
    QObject::connect(running, &QProcess::stateChanged, running,
                     [running](QProcess::ProcessState state) {
                         if (state == QProcess::NotRunning)
                             running->deleteLater();
                     });
}

} // namespace

QString ChooseBrowserTitle(const QString& address) {
    return LauncherText(kChooseBrowserTitle).arg(address.left(kTitleAddressRoom));
}

LaunchOutcome OpenWebAddress(const QString& address, QByteArray& browserPath,
                             LaunchPlatform& platform) {
    if (address.isEmpty())
        return LaunchOutcome::NothingToOpen;
    if (browserPath.isEmpty()) {
        if (platform.OpenWithDesktop(address))
            return LaunchOutcome::Started;
        browserPath = QFile::encodeName(platform.ChooseBrowser(ChooseBrowserTitle(address)));
    }
    LaunchOutcome outcome = LaunchOutcome::NoProgramForAddress;
    if (!browserPath.isEmpty()) {
        if (platform.StartBrowser(browserPath, address))
            return LaunchOutcome::Started;
        outcome = LaunchOutcome::ProgramNotFound;
    }
    platform.WarnConnectionFailed();
    return outcome;
}

LaunchOutcome OpenWebAddress(const QString& address, QByteArray& browserPath, QWidget* owner) {
    DesktopLaunchPlatform platform(owner);
    return OpenWebAddress(address, browserPath, platform);
}

// The handler picks its program by the address's scheme, so an address without one is not
// handed over (nor can it then be taken for one of xdg-open's options).
bool DesktopLaunchPlatform::OpenWithDesktop(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    auto handler = std::make_unique<QProcess>(QCoreApplication::instance());
    handler->setStandardInputFile(QProcess::nullDevice());
    handler->setProcessChannelMode(QProcess::ForwardedChannels);
    EventPause wait;
    wait.EndOn(handler.get(), &QProcess::finished);
    wait.EndOn(handler.get(), &QProcess::errorOccurred);
    handler->start(QStringLiteral("xdg-open"), {address});
    if (handler->state() != QProcess::NotRunning)
        wait.Wait(kDesktopHandlerWaitMs);
    if (handler->state() != QProcess::NotRunning) {
        LeaveRunning(std::move(handler));
        return true;
    }
    return handler->error() != QProcess::FailedToStart &&
           handler->exitStatus() == QProcess::NormalExit && handler->exitCode() == 0;
}

QString DesktopLaunchPlatform::ChooseBrowser(const QString& title) {
    QFileDialog dialog(owner_, title);
    dialog.setObjectName(QStringLiteral("chooseBrowserDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Only Qt's own dialog takes a filter model.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* programs = new ProgramsFilter(&dialog);
    dialog.setProxyModel(programs);
    const QString programsFilter = LauncherText(QT_TRANSLATE_NOOP("WebLauncher", "Programs (*)"));
    dialog.setNameFilters(
        {programsFilter, LauncherText(QT_TRANSLATE_NOOP("WebLauncher", "All Files (*)"))});
    dialog.selectNameFilter(programsFilter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, programs,
                     [programs, programsFilter](const QString& filter) {
                         programs->setActive(filter == programsFilter);
                     });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool DesktopLaunchPlatform::StartBrowser(const QByteArray& program, const QString& address) {
    const QString name = QFile::decodeName(program);
    return QFile::encodeName(name) == program
               ? QProcess::startDetached(name, {address})
               : StartDetachedByBytes(program, QFile::encodeName(address));
}

void DesktopLaunchPlatform::WarnConnectionFailed() {
    QMessageBox::warning(
        owner_, QStringLiteral("Cobblewell"),
        LauncherText(QT_TRANSLATE_NOOP("WebLauncher", "Internet connection failed")));
}

} // namespace cw
