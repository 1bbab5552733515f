#include <vorn/util/stream.h>

#include <algorithm>

namespace vorn {

uint32_t VornInputStream::Read32()
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    if (!m_good || !m_in.read(reinterpret_cast<char*>(bytes), 4)) {
        m_good = false;
        return 0;
    }
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

VornInputStream& VornInputStream::operator>>(std::string& out)
{
    out.clear();
    const uint32_t length = Read32();
    if (!m_good)
        return *this;
    // Read in bounded chunks: a garbage length must not allocate gigabytes up front.
    constexpr uint32_t kChunk = 64 * 1024;
    std::string text;
    uint32_t left = length;
    while (left > 0) {
        const uint32_t n = std::min(left, kChunk);
        const size_t at = text.size();
        text.resize(at + n);
        if (!m_in.read(&text[at], n)) {
            m_good = false;
            return *this;
        }
        left -= n;
    }
    out.swap(text);
    return *this;
}

void VornOutputStream::Write32(uint32_t value)
{
    const char bytes[4] = {char(value & 0xff), char((value >> 8) & 0xff), char((value >> 16) & 0xff),
                           char((value >> 24) & 0xff)};
    m_out.write(bytes, 4);
}

VornOutputStream& VornOutputStream::operator<<(const std::string& text)
{
    Write32(static_cast<uint32_t>(text.size()));
    m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return *this;
}

} // namespace vorn
