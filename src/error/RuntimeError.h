#pragma once

#include <stdexcept>
#include <string>

namespace MainBas {

// Error numbers of the run-time errors the program can raise. The numbers are the
// traditional BASIC ones, so a message such as "Run-time error 53" means the same
// thing to every user.
enum ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    FileNotFound = 53,
    InputPastEndOfFile = 62,
    PathFileAccessError = 75,
};

// A run-time error: stops the command that raised it. Every event handler catches it
// at its top, reports it and abandons the command; the program keeps running.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(ErrorNumber number, std::string file = {}, std::string detail = {});

    ErrorNumber number() const { return m_number; }
    const std::string &file() const { return m_file; }
    const std::string &detail() const { return m_detail; }

    // The error's own name, e.g. "Overflow".
    static std::string standardMessage(ErrorNumber number);

private:
    ErrorNumber m_number;
    std::string m_file;
    std::string m_detail;
};

} // namespace MainBas
