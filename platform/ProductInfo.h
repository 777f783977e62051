// Port: the product name and version from the program's version information.
#pragma once

#include <string>

namespace velmora {

class ProductInfo {
public:
    virtual ~ProductInfo() = default;
    // Titles every message box of the program.
    virtual std::string ProductName() const = 0;
    // "major.minor.revision", e.g. "1.1.3".
    virtual std::string Version() const = 0;
};

}  // namespace velmora
