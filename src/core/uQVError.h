#pragma once
// The one exception type of the core: it carries a message meant for the user.

#include <stdexcept>
#include <string>

class EQVError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
