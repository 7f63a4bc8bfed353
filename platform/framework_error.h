// The framework's error: thrown by a window's constructor when it cannot be built (for example when
// a file it reads is corrupt); the caller shows the message.
#pragma once

#include <stdexcept>
#include <string>

class TXOwl : public std::runtime_error {
public:
    explicit TXOwl(const std::string& message) : std::runtime_error(message) {}
    std::string why() const { return what(); }
};
