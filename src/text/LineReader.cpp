#include "LineReader.h"

#include "RuntimeError.h"

namespace MainBas {

std::string LineReader::readLine()
{
    if (atEnd())
        throw RuntimeError(InputPastEndOfFile);
    const std::size_t cr = m_bytes.find('\r', m_pos);
    const std::size_t end = cr == std::string_view::npos ? m_bytes.size() : cr;
    std::string line(m_bytes.substr(m_pos, end - m_pos));
    m_pos = end;
    if (m_pos < m_bytes.size()) {
        ++m_pos;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    }
    return line;
}

} // namespace MainBas
