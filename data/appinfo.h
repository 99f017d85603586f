#pragma once

// The application's name and version, as the info page shows them and as
// exports name their maker.
namespace AppInfo
{

inline const char* const NAME = "Feldbrief";
inline const char* const VERSION = "0.16.0-T";

} // namespace AppInfo
