#pragma once

#include <QCoreApplication>

namespace cw {

inline constexpr char kApplicationName[] = "Cobblewell";
inline constexpr char kFileVersion[] = "1.0.0.0";
inline constexpr char kProductVersion[] = "1.0.0.0";
inline constexpr char kFileDescription[] = "Cobblewell Game";
inline constexpr char kInternalName[] = "COBWL";
// The version text the About box shows and the settings record in WIN.INI.
inline constexpr char kVersionText[] = "v1.0a";
// The reverse-domain id that names the desktop entry, so the taskbar finds the icon.
inline constexpr char kDesktopFileName[] = "example.cobblewell.Cobblewell";

// Name and version of the running application (the name is also the folder that
// QStandardPaths derives the per-user data and settings folders from) and, for a GUI
// application, its desktop entry. No display name: Qt would append it to every title.
void ApplyVersionInformation(QCoreApplication& application);

} // namespace cw
