#pragma once
// A reason for kuvex-cli to stop: the German text (Windows-1252 bytes, as
// every program text) for standard error and the exit status: 1 for a
// refused command, 2 when the program's own files are missing.
#include <stdexcept>
#include <string>

class CCliFehler : public std::runtime_error {
public:
    explicit CCliFehler(const std::string& text, int status = 1)
        : std::runtime_error(text), m_status(status) {}
    int Status() const { return m_status; }

private:
    int m_status;
};
