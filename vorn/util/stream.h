#pragma once
// Binary streams of the archive format. Integers are 32-bit little-endian; a string is
// its byte count as such an integer followed by the bytes.
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

namespace vorn {

class VornInputStream {
public:
    explicit VornInputStream(std::istream& in) : m_in(in) {}

    // The next unsigned 32-bit value; 0 and !good() when fewer than 4 bytes remain.
    uint32_t Read32();
    // The next string; empty and !good() when the stream ends inside it.
    VornInputStream& operator>>(std::string& out);
    bool good() const { return m_good; }

private:
    std::istream& m_in;
    bool m_good = true;
};

class VornOutputStream {
public:
    explicit VornOutputStream(std::ostream& out) : m_out(out) {}

    void Write32(uint32_t value);
    VornOutputStream& operator<<(const std::string& text);
    bool good() const { return m_out.good(); }

private:
    std::ostream& m_out;
};

} // namespace vorn
