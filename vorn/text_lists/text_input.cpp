#include <vorn/text_lists/detail/text_input.h>

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

namespace vorn::detail {

int ControlLetter(int code)
{
    if (code >= 1 && code <= 26)
        return 'A' + code - 1;
    if (code >= 'a' && code <= 'z')
        return code - 'a' + 'A';
    return code;
}

bool IsTypedCharacter(wxChar32 c)
{
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xD800 && c <= 0xDFFF) && c <= 0x10FFFF;
}

bool CopyToClipboard(const std::string& text)
{
    if (!wxTheClipboard->Open())
        return false;
    const bool done = wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
    wxTheClipboard->Close();
    return done;
}

bool PasteFromClipboard(std::string& text)
{
    if (!wxTheClipboard->Open())
        return false;
    wxTextDataObject data;
    const bool got = wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data);
    wxTheClipboard->Close();
    if (got)
        text = data.GetText().utf8_string();
    return got;
}

} // namespace vorn::detail
