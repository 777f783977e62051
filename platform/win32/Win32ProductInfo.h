// Product name and version read from a module's version resource.
#pragma once

#include "platform/ProductInfo.h"

namespace velmora::win32 {

class Win32ProductInfo : public ProductInfo {
public:
    // Reads the version resource of the running executable.
    Win32ProductInfo();
    // Reads the version resource of the given module file.
    explicit Win32ProductInfo(const std::string& modulePath);

    std::string ProductName() const override { return productName_; }
    std::string Version() const override { return version_; }

private:
    void Read(const std::string& modulePath);
    std::string productName_;
    std::string version_;
};

}  // namespace velmora::win32
