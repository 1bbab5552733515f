#pragma once
// What the edit boxes share between the toolkit's keys and clipboard and their text.
#include <string>

#include <wx/defs.h>

namespace vorn::detail {

/// The letter of a Control+letter press: wx 3.2 hands over the control code (1 for A) or the
/// letter itself, depending on the port; other codes come back unchanged.
int ControlLetter(int code);

/// A character the user may type: not a C0 or C1 control character, not DEL, not a surrogate.
/// wx 3.2 delivers Unicode, so every printable character counts, not only those below 256.
bool IsTypedCharacter(wxChar32 c);

/// Puts UTF-8 text on the toolkit clipboard; false when the clipboard cannot be opened.
bool CopyToClipboard(const std::string& text);

/// The clipboard's text as UTF-8, or false when it holds none.
bool PasteFromClipboard(std::string& text);

} // namespace vorn::detail
