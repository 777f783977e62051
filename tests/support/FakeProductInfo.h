// Product information double with fixed texts.
#pragma once

#include <string>
#include <utility>

#include "platform/ProductInfo.h"

namespace velmora::test {

class FakeProductInfo : public ProductInfo {
public:
    explicit FakeProductInfo(std::string name = "Kelvary", std::string version = "1.1.3")
        : name_(std::move(name)), version_(std::move(version)) {}
    std::string ProductName() const override { return name_; }
    std::string Version() const override { return version_; }

private:
    std::string name_;
    std::string version_;
};

}  // namespace velmora::test
