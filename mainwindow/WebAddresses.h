// The addresses of the maker's web pages: the theme gallery, the update check, the help page.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

// The maker's web server: the build's setting VELMORA_SERVER (cmake -DVELMORA_SERVER=...).
extern const char kMakerHost[];
// Where the installation's user identifier lives: a value of the store root key
// (HKEY_LOCAL_MACHINE), beside the installed-theme entries, which are its subkeys.
inline constexpr char kUserIdValue[] = "UserID";

// The addresses need the registry (user identifier) and product information ports.
class WebAddresses {
public:
    explicit WebAddresses(const Platform& platform);

    std::string Gallery() const;
    std::string UpdateCheck() const;
    std::string OnlineHelp() const;

    // The installation's identifier, percent-encoded for a query; empty when none is stored.
    std::string UserId() const;

private:
    Platform platform_;
};

// "major.minor.revision" as decimal numbers without padding: "1.01.0003" gives 1, 1 and 3;
// a missing or unreadable part gives 0.
struct VersionNumbers {
    unsigned long major = 0, minor = 0, revision = 0;
};
VersionNumbers ParseVersion(const std::string& version);

}  // namespace velmora
