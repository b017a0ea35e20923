#include "RuntimeError.h"

namespace MainBas {

namespace {

std::string describe(ErrorNumber number, const std::string &file, const std::string &detail)
{
    std::string text = "Run-time error ";
    text.append(std::to_string(static_cast<int>(number)));
    text.append(": ");
    text.append(RuntimeError::standardMessage(number));
    if (!file.empty())
        text.append("\nFile: ").append(file);
    if (!detail.empty())
        text.append("\n").append(detail);
    return text;
}

} // namespace

RuntimeError::RuntimeError(ErrorNumber number, std::string file, std::string detail)
    : std::runtime_error(describe(number, file, detail))
    , m_number(number)
    , m_file(std::move(file))
    , m_detail(std::move(detail))
{ }

std::string RuntimeError::standardMessage(ErrorNumber number)
{
    switch (number) {
    case InvalidArgument:
        return "Invalid procedure call or argument";
    case Overflow:
        return "Overflow";
    case SubscriptOutOfRange:
        return "Subscript out of range";
    case FileNotFound:
        return "File not found";
    case InputPastEndOfFile:
        return "Input past end of file";
    case PathFileAccessError:
        return "Path/File access error";
    }
    return "Application-defined or object-defined error";
}

} // namespace MainBas
