// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shows a web address in the player's browser: a running browser is asked first, then the
// desktop's handler for the address, then a browser program that the player picks (and that
// is remembered); when all of that fails, the player is warned.

#include "desktop/browser_control.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdint>

class QWidget;

namespace cw {

// Results. A launch result above 32 means the desktop or the program started; 0 to 32 is
// the reason it did not, as the old shell reported it.
inline constexpr std::int32_t kNothingToOpen = 0;
inline constexpr std::int32_t kRunningBrowserTookIt = -1;
inline constexpr std::int32_t kLaunchStarted = 33;
inline constexpr std::int32_t kNoProgramForAddress = 31;
inline constexpr std::int32_t kProgramNotFound = 2;

inline constexpr bool LaunchSucceeded(std::int32_t result) {
    return result > 32;
}

// Texts in the context "WebLauncher"; %1 is the address.
inline constexpr char kChooseBrowserTitle[] =
    QT_TRANSLATE_NOOP("WebLauncher", "Select Web Browser to go to %1");
// The title lived in a 256-character buffer: the address keeps its first 227 characters, in
// every language.
inline constexpr int kTitleAddressRoom = 256 - 1 - (sizeof(kChooseBrowserTitle) - 1 - 2);
inline constexpr char kConnectionFailed[] =
    QT_TRANSLATE_NOOP("WebLauncher", "Internet connection failed");

// The desktop services the launcher goes through, in the order it tries them.
class LaunchPlatform {
public:
    virtual ~LaunchPlatform() = default;

    virtual BrowserControl& browserControl() = 0;
    virtual std::int32_t OpenWithDesktop(const QString& address) = 0;
    // The chosen program's path, or empty when the player cancels.
    virtual QString ChooseBrowser(const QString& title) = 0;
    // Starts the program, named by the bytes of its path, with the address as its one
    // argument, never through a shell.
    virtual std::int32_t StartBrowser(const QByteArray& program, const QString& address) = 0;
    virtual void WarnConnectionFailed() = 0;
};

// The real desktop: no browser control on Linux, the desktop's handler for the address
// (xdg-open, whose exit status tells whether it found a program), a file dialog and message
// box owned by `owner`, detached processes.
class DesktopLaunchPlatform final : public LaunchPlatform {
public:
    explicit DesktopLaunchPlatform(QWidget* owner) : owner_(owner) {}

    BrowserControl& browserControl() override;
    std::int32_t OpenWithDesktop(const QString& address) override;
    QString ChooseBrowser(const QString& title) override;
    std::int32_t StartBrowser(const QByteArray& program, const QString& address) override;
    void WarnConnectionFailed() override;

private:
    QWidget* owner_;
    NoBrowserControl control_;
};

QString ChooseBrowserTitle(const QString& address);

// Returns kNothingToOpen for an empty address, kRunningBrowserTookIt, or the result of the
// last launch tried. `browserPath` is the remembered program, as the bytes of its path: filled
// by the choice, emptied when the choice is cancelled, kept when the program fails to start.
std::int32_t OpenWebAddress(const QString& address, QByteArray& browserPath,
                            LaunchPlatform& platform);
std::int32_t OpenWebAddress(const QString& address, QByteArray& browserPath, QWidget* owner);

} // namespace cw
