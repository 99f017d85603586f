#pragma once

// The application's name and version, as the info page shows them and as
// exports name their maker. The build reads VERSION (x.y.z before the suffix)
// as the project's version, for the package and the AppStream metadata.
namespace AppInfo
{

inline const char* const NAME = "Feldbrief";
inline const char* const VERSION = "0.16.0-T";

} // namespace AppInfo
