#pragma once

#include <string>
#include <string_view>

namespace qv::app {

// The program's title on the task bar.
inline constexpr std::string_view kApplicationTitle = "2010 Quorvex";

// What the program's version resource says: the file version ("2010.0.0.4") and the copyright text.
struct VersionInfo {
    std::string FileVersion;
    std::string Copyright;
};
VersionInfo ProgramVersion();

// "Version : " followed by the file version, as the splash and the about box show it.
std::string VersionCaption(const VersionInfo& version);

// The maker's web pages. The host is set when the program is built (QV_MAKER_HOST); the program
// only hands these addresses to the browser and never reaches the network itself.
std::string MakerHost();
std::string MakerSiteUrl();
std::string SupportPageUrl();
// The update page with the program's product key, version and "r=Y".
std::string UpdateCheckUrl(std::string_view fileVersion);

} // namespace qv::app
