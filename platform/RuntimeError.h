// A run-time error with a number and a description, as the error trap reports it.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(long number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    long Number() const { return number_; }
    std::string Description() const { return what(); }

private:
    long number_;
};

}  // namespace velmora
