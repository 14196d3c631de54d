#pragma once

#include <QCoreApplication>

namespace cw {

inline constexpr char kApplicationName[] = "Cobblewell";
inline constexpr char kFileVersion[] = "1.0.0.0";
inline constexpr char kProductVersion[] = "1.0.0.0";
inline constexpr char kFileDescription[] = "Cobblewell Game";
inline constexpr char kInternalName[] = "COBWL";

// Name, version and display name of the running application (also the folder name that
// QStandardPaths derives the per-user data and settings folders from).
void ApplyVersionInformation(QCoreApplication& application);

} // namespace cw
