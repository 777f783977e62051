// The addresses of the maker's web pages: the theme gallery, the update check, the help page.
#include "mainwindow/WebAddresses.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>

#include "platform/ProductInfo.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"

namespace velmora {

const char kMakerHost[] = VELMORA_SERVER;

namespace {

constexpr char kLanguage[] = "en";

bool Unreserved(unsigned char c) {
    return std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~';
}

}  // namespace

VersionNumbers ParseVersion(const std::string& version) {
    unsigned long parts[3] = {0, 0, 0};
    std::istringstream in(version);
    std::string part;
    for (unsigned long& number : parts) {
        if (!std::getline(in, part, '.')) break;
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos) continue;
        part.erase(0, std::min(part.find_first_not_of('0'), part.size()));
        // Nine digits always fit; a longer number is no version part.
        if (part.size() <= 9) number = part.empty() ? 0 : std::stoul(part);
    }
    return {parts[0], parts[1], parts[2]};
}

WebAddresses::WebAddresses(const Platform& platform) : platform_(platform) {}

std::string WebAddresses::UserId() const {
    const std::string id =
        cRegistry(platform_).ReadRegistry(kHkeyLocalMachine, kThemeStoreRoot, kUserIdValue);
    if (IsNotFound(id)) return {};
    std::string encoded;
    for (const char c : id) {
        const auto byte = static_cast<unsigned char>(c);
        if (Unreserved(byte)) {
            encoded += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            encoded += hex;
        }
    }
    return encoded;
}

std::string WebAddresses::Gallery() const {
    return std::string(kMakerHost) + "/Velmoras/?UserID=" + UserId() + "&Lang=" + kLanguage;
}

std::string WebAddresses::UpdateCheck() const {
    // The product name goes in as it is: the server expects it unencoded.
    const VersionNumbers v = ParseVersion(platform_.product->Version());
    std::ostringstream url;
    url << kMakerHost << "/Downloads/UpdateCheck.asp?Product=" << platform_.product->ProductName()
        << "&Major=" << v.major << "&Minor=" << v.minor << "&Revision=" << v.revision
        << "&UserID=" << UserId() << "&Lang=" << kLanguage;
    return url.str();
}

std::string WebAddresses::OnlineHelp() const {
    return std::string(kMakerHost) +
           "/Downloads/HelpRedirect.asp?Product=" + platform_.product->ProductName() +
           "&Lang=" + kLanguage;
}

}  // namespace velmora
