#pragma once
// Errors of the scenario computations that the user must see: a value-list text that does not
// read, a set that cannot be combined, a definition file that is malformed. The message is in
// Portuguese and names the parameter, the item or the line.

#include <stdexcept>

class ScenarioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
