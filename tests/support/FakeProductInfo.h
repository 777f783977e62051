// Product information double with fixed texts.
#pragma once

#include <utility>

#include "platform/ProductInfo.h"

namespace velmora::test {

struct FakeProductInfo : ProductInfo {
    explicit FakeProductInfo(std::string n = "Kelvary", std::string v = "1.1.3")
        : name(std::move(n)), version(std::move(v)) {}
    std::string ProductName() const override { return name; }
    std::string Version() const override { return version; }
    std::string name, version;
};

}  // namespace velmora::test
