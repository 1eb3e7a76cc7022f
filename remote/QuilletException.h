#pragma once

#include <stdexcept>
#include <string>

// A failure of the program's own making (not the system's nor the JSON
// library's), thrown inside a subsystem and caught where the work started.
class QuilletException : public std::runtime_error {
public:
    QuilletException() : std::runtime_error("QuilletException") {}
    explicit QuilletException(const std::string& what) : std::runtime_error(what) {}
};
