#include <vorn/framework/write_to_string.h>

#include <vector>

#include <wx/filefn.h>
#include <wx/filename.h>

namespace vorn {

namespace {

// The toolkit reserves a temporary name by creating the file; the file is removed at once
// so that a capture object that never runs leaves nothing behind.
std::string NewTempFileName()
{
    const wxString name = wxFileName::CreateTempFileName(wxString::FromUTF8(WriteToString::s_prefix));
    if (name.empty())
        return std::string();
    wxRemoveFile(name);
    return std::string(name.fn_str());
}

void RemoveFile(const std::string& name)
{
    const wxString path(name.c_str(), *wxConvFileName);
    if (!name.empty() && wxFileExists(path))
        wxRemoveFile(path);
}

} // namespace

const std::string WriteToString::s_prefix = "tmp";

WriteToString::WriteToString() : m_fileName(NewTempFileName()) {}

// Sharing the stream would have two owners delete it; the copy gets a file of its own.
WriteToString::WriteToString(const WriteToString& other) : m_text(other.m_text), m_fileName(NewTempFileName()) {}

WriteToString& WriteToString::operator=(const WriteToString& other)
{
    if (this != &other) {
        Discard();
        m_text = other.m_text;
    }
    return *this;
}

WriteToString::~WriteToString() { Discard(); }

void WriteToString::Discard()
{
    if (!m_stream)
        return;
    m_stream.reset();
    RemoveFile(m_fileName);
}

// A second Start would cut the file under a host still writing through the first stream.
bool WriteToString::Start()
{
    if (m_stream)
        return false;
    m_stream = std::make_unique<std::ofstream>(m_fileName, std::ios::out | std::ios::binary | std::ios::trunc);
    return m_stream->is_open() && m_stream->good();
}

bool WriteToString::Stop()
{
    if (!m_stream)
        return false;
    // A failed stream has no write position; whatever reached the file is not trusted.
    const std::streamoff length = m_stream->fail() ? -1 : static_cast<std::streamoff>(m_stream->tellp());
    m_stream->close();
    m_stream.reset();
    m_text.clear();
    bool ok = false;
    if (length >= 0) {
        std::ifstream in(m_fileName, std::ios::in | std::ios::binary);
        std::vector<char> bytes(static_cast<size_t>(length));
        if (in && length > 0)
            in.read(bytes.data(), length);
        ok = in.good() || length == 0;
        m_text.assign(bytes.data(), static_cast<size_t>(ok ? in.gcount() : 0));
    }
    RemoveFile(m_fileName);
    return ok;
}

} // namespace vorn
