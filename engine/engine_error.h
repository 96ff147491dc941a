#pragma once

#include <stdexcept>

// Errors of the engine that the user must see (a series that cannot be run, a file that
// cannot be read); the message is in Portuguese.
class EngineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
