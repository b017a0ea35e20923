#pragma once

#include <string>
#include <string_view>

namespace MainBas {

// Reads single-byte text line by line. A line ends at a CR, and an LF right after
// that CR belongs to the line end; a lone LF is an ordinary character. The last
// line may lack its end.
class LineReader
{
public:
    explicit LineReader(std::string_view bytes)
        : m_bytes(bytes)
    { }

    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // The next line without its end; past the last byte: "Input past end of file".
    std::string readLine();

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace MainBas
