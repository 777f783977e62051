// Product information double: a fixed product name.
#pragma once

#include <string>
#include <utility>

#include "platform/ProductInfo.h"

namespace velmora::test {

class FakeProductInfo : public ProductInfo {
public:
    explicit FakeProductInfo(std::string name = "Kelvary") : name_(std::move(name)) {}
    std::string ProductName() const override { return name_; }
    std::string Version() const override { return {}; }

private:
    std::string name_;
};

}  // namespace velmora::test
