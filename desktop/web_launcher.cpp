#include "desktop/web_launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace cw {

QString ChooseBrowserTitle(const QString& address) {
    return QString::fromLatin1(kChooseBrowserTitle) + address.left(kTitleAddressRoom);
}

std::int32_t OpenWebAddress(const QString& address, QString& browserPath,
                            LaunchPlatform& platform) {
    if (address.isEmpty())
        return kNothingToOpen;
    if (AskRunningBrowser(platform.browserControl(), address))
        return kRunningBrowserTookIt;

    std::int32_t result = kNoProgramForAddress;
    if (browserPath.isEmpty()) {
        result = platform.OpenWithDesktop(address);
        if (LaunchSucceeded(result))
            return result;
        browserPath = platform.ChooseBrowser(ChooseBrowserTitle(address));
    }
    if (!browserPath.isEmpty()) {
        result = platform.StartBrowser(browserPath, address);
        if (LaunchSucceeded(result))
            return result;
    }
    platform.WarnConnectionFailed();
    return result;
}

std::int32_t OpenWebAddress(const QString& address, QString& browserPath, QWidget* owner) {
    DesktopLaunchPlatform platform(owner);
    return OpenWebAddress(address, browserPath, platform);
}

BrowserControl& DesktopLaunchPlatform::browserControl() {
    return control_;
}

std::int32_t DesktopLaunchPlatform::OpenWithDesktop(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return kNoProgramForAddress;
    return QDesktopServices::openUrl(url) ? kLaunchStarted : kNoProgramForAddress;
}

namespace {

const QString kProgramsFilter = QStringLiteral("Programs (*)");
const QString kAllFilesFilter = QStringLiteral("All Files (*)");

// Linux programs carry no extension, so "Programs" lists executable files by their mode.
void ListFilesFor(QFileDialog& dialog, const QString& nameFilter) {
    QDir::Filters filters = QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot;
    if (nameFilter == kProgramsFilter)
        filters |= QDir::Executable;
    dialog.setFilter(filters);
}

} // namespace

QString DesktopLaunchPlatform::ChooseBrowser(const QString& title) {
    QFileDialog dialog(owner_, title);
    dialog.setObjectName(QStringLiteral("chooseBrowserDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Only Qt's own dialog can list programs by their mode.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({kProgramsFilter, kAllFilesFilter});
    dialog.selectNameFilter(kProgramsFilter);
    ListFilesFor(dialog, kProgramsFilter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { ListFilesFor(dialog, filter); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::int32_t DesktopLaunchPlatform::StartBrowser(const QString& program, const QString& address) {
    return QProcess::startDetached(program, {address}) ? kLaunchStarted : kProgramNotFound;
}

void DesktopLaunchPlatform::WarnConnectionFailed() {
    QMessageBox::warning(owner_, QStringLiteral("Cobblewell"),
                         QString::fromLatin1(kConnectionFailed));
}

} // namespace cw
