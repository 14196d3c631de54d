// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shows a web address in the player's browser: the desktop's handler for the address first,
// then a browser program that the player picks (and that is remembered); when all of that
// fails, the player is warned.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QWidget;

namespace cw {

enum class LaunchOutcome {
    NothingToOpen,       // the address was empty
    Started,             // the desktop's handler or the browser program took the address
    NoProgramForAddress, // the desktop had no program for it and the player chose none
    ProgramNotFound,     // the remembered or chosen browser did not start
};

// In the context "WebLauncher"; %1 is the address.
inline constexpr char kChooseBrowserTitle[] =
    QT_TRANSLATE_NOOP("WebLauncher", "Select Web Browser to go to %1");
// The title lived in a 256-character buffer: the address keeps its first 227 characters, in
// every language.
inline constexpr int kTitleAddressRoom = 256 - 1 - (sizeof(kChooseBrowserTitle) - 1 - 2);

// The desktop services the launcher goes through, in the order it tries them.
class LaunchPlatform {
public:
    virtual ~LaunchPlatform() = default;

    // True when the desktop's handler took the address.
    virtual bool OpenWithDesktop(const QString& address) = 0;
    // The chosen program's path, or empty when the player cancels.
    virtual QString ChooseBrowser(const QString& title) = 0;
    // Starts the program, named by the bytes of its path, with the address as its one
    // argument, never through a shell; true when it started.
    virtual bool StartBrowser(const QByteArray& program, const QString& address) = 0;
    virtual void WarnConnectionFailed() = 0;
};

// The real desktop: the desktop's handler for the address (xdg-open, whose exit status tells
// whether it found a program), a file dialog and message box owned by `owner`, detached
// processes.
class DesktopLaunchPlatform final : public LaunchPlatform {
public:
    explicit DesktopLaunchPlatform(QWidget* owner) : owner_(owner) {}

    bool OpenWithDesktop(const QString& address) override;
    QString ChooseBrowser(const QString& title) override;
    bool StartBrowser(const QByteArray& program, const QString& address) override;
    void WarnConnectionFailed() override;

private:
    QWidget* owner_;
};

QString ChooseBrowserTitle(const QString& address);

// `browserPath` is the remembered program, as the bytes of its path: filled by the choice,
// emptied when the choice is cancelled, kept when the program fails to start.
LaunchOutcome OpenWebAddress(const QString& address, QByteArray& browserPath,
                             LaunchPlatform& platform);
LaunchOutcome OpenWebAddress(const QString& address, QByteArray& browserPath, QWidget* owner);

} // namespace cw
