#pragma once
// WriteToString: captures what a host writes to a standard output file stream into a
// string. Start opens a stream on a temporary file; Stop reads the file's bytes back as
// the captured text and removes the file.
//
//   state      Start                     Stop                         GetString
//   idle       open stream -> capturing  nothing, false               last capture
//   capturing  nothing, false            read back, remove -> idle    last capture
//
// A capture whose stream failed (the file could not be opened or a write failed) yields an
// empty text and Stop returns false. Copies never share a stream: a copy is idle, keeps
// the captured text and has a temporary file name of its own.
#include <fstream>
#include <memory>
#include <string>

namespace vorn {

/// Captures text written to a file stream into a string, through a temporary file.
class WriteToString {
public:
    /// The prefix of the temporary file names.
    static const std::string s_prefix;

    /// An idle capture with a fresh temporary file name; no file is left on disk.
    WriteToString();
    /// An idle capture holding `other`'s captured text, with a temporary file name of its own.
    WriteToString(const WriteToString& other);
    /// Ends a running capture of this object without reading it, then takes `other`'s text.
    WriteToString& operator=(const WriteToString& other);
    /// Closes a running capture and removes its file.
    ~WriteToString();

    /// Opens the stream on the temporary file, replacing its contents; false when the file
    /// could not be opened (the stream then exists in its failed state and writes are lost)
    /// or when a capture is already running (which then goes on undisturbed).
    bool Start();
    /// Ends the capture: the bytes written become the captured text and the file is removed.
    /// False, with the earlier text kept, when no capture runs; false with an empty text
    /// when the stream had failed.
    bool Stop();
    /// A copy of the captured text (empty before the first Stop).
    std::string GetString() const { return m_text; }
    /// The stream to write to while a capture runs, else null.
    std::ofstream* GetStream() const { return m_stream.get(); }
    /// True between Start and Stop.
    bool IsCapturing() const { return m_stream != nullptr; }
    /// The temporary file's name (UTF-8).
    const std::string& GetFileName() const { return m_fileName; }

private:
    void Discard();

    std::unique_ptr<std::ofstream> m_stream;
    std::string m_text;
    std::string m_fileName;
};

} // namespace vorn
