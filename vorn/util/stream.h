#pragma once
// Binary streams of the archive format. Integers are 32-bit little-endian; a string is
// its byte count as such an integer followed by the bytes.
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

namespace vorn {

/// Reads the integers and strings of the archive format from a binary stream.
class VornInputStream {
public:
    /// Reads from `in`, which must outlive the reader.
    explicit VornInputStream(std::istream& in) : m_in(in) {}

    /// The next unsigned 32-bit value; 0 and !good() when fewer than 4 bytes remain.
    uint32_t Read32();
    /// The next string; empty and !good() when the stream ends inside it.
    VornInputStream& operator>>(std::string& out);
    /// True while every read so far succeeded.
    bool good() const { return m_good; }

private:
    std::istream& m_in;
    bool m_good = true;
};

/// Writes integers and strings in the form VornInputStream reads (archive writers use it).
class VornOutputStream {
public:
    /// Writes to `out`, which must outlive the writer.
    explicit VornOutputStream(std::ostream& out) : m_out(out) {}

    /// Writes a 32-bit value, little-endian.
    void Write32(uint32_t value);
    /// Writes a string: its byte count, then its bytes.
    VornOutputStream& operator<<(const std::string& text);
    /// True while the underlying stream is good.
    bool good() const { return m_out.good(); }

private:
    std::ostream& m_out;
};

} // namespace vorn
