// The one rule for an address a theme file names: the program hands the shell nothing else.
#include "theme/WebAddress.h"

#include "registry/SameText.h"

namespace velmora {

bool IsWebAddress(const std::string& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F || c == '"') return false;
    }
    for (const char* scheme : {"http://", "https://", "ftp://"}) {
        const std::string prefix(scheme);
        if (text.size() > prefix.size() && SameText(text.substr(0, prefix.size()), prefix))
            // The host: a name, not a second slash (a path on the local machine).
            return text[prefix.size()] != '/' && text[prefix.size()] != '\\';
    }
    return false;
}

std::string RefusedAddressMessage(const std::string& text) {
    return "This is not a web address, so it was not opened:\r\n\r\n" + text +
           "\r\n\r\nOnly http://, https:// and ftp:// addresses are opened from a Theme.";
}

}  // namespace velmora
