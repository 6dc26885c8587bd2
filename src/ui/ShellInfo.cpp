#include "ShellInfo.h"

#ifndef QV_MAKER_HOST
#error "QV_MAKER_HOST names the maker's web host (set by the build)"
#endif
#ifndef QV_FILE_VERSION
#error "QV_FILE_VERSION is the program's file version (set by the build)"
#endif

namespace qv::app {

VersionInfo ProgramVersion() {
    return VersionInfo{QV_FILE_VERSION, QV_COPYRIGHT};
}

std::string VersionCaption(const VersionInfo& version) {
    return "Version : " + version.FileVersion;
}

std::string MakerHost() {
    return QV_MAKER_HOST;
}

std::string MakerSiteUrl() {
    return "https://" + MakerHost() + "/";
}

std::string SupportPageUrl() {
    return MakerSiteUrl() + "support.php";
}

std::string UpdateCheckUrl(std::string_view fileVersion) {
    return MakerSiteUrl() + "updatecheck.php?p=ZORVA&v=" + std::string(fileVersion) + "&r=Y";
}

} // namespace qv::app
