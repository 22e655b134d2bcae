#pragma once
// The one exception type of the data model: it carries the German text that
// the operation owning the user's action shows or turns into a false result.
#include <stdexcept>
#include <string>

class CFehler : public std::runtime_error {
public:
    explicit CFehler(const std::string& text) : std::runtime_error(text) {}
};
