// Any bytes: the line reader consumes them all, lines never hold a CR, joining the
// lines again with the ends they had gives back the input, and reading past the
// end raises "Input past end of file".
#include "LineReader.h"
#include "RuntimeError.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    MainBas::LineReader reader(bytes);
    std::size_t consumed = 0;
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        if (line.find('\r') != std::string::npos)
            std::abort();
        if (bytes.substr(consumed, line.size()) != line)
            std::abort();
        consumed += line.size();
        if (consumed < size) {
            if (bytes[consumed] != '\r')
                std::abort();
            ++consumed;
            if (consumed < size && bytes[consumed] == '\n')
                ++consumed;
        }
    }
    if (consumed != size)
        std::abort();
    try {
        reader.readLine();
        std::abort();
    } catch (const MainBas::RuntimeError &error) {
        if (error.number() != MainBas::InputPastEndOfFile)
            std::abort();
    }
    return 0;
}
