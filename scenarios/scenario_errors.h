#pragma once
// Errors of the scenario computations that the user must see: a value-list text that does not
// read, a set that cannot be combined, a definition file that is malformed. The message is in
// Portuguese and names the parameter, the item or the line.

#include <stdexcept>
#include <string>
#include <utility>

class ScenarioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An item of a value-list text that does not read: the message names the item (counted from 1)
// and the cause, which is also kept alone.
class ItemError : public ScenarioError {
  public:
    ItemError(const std::string& mensagem, std::string causaDoItem)
        : ScenarioError(mensagem), causa(std::move(causaDoItem)) {}
    std::string causa;
};
