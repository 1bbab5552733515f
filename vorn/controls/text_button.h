#pragma once
// Buttons with a text label drawn in a font over an optional state image.
//   VornTextPushButton   a push button on the control base: press ControlSelected,
//                        release over it ControlUnSelected; the text turns to the
//                        highlight colour while the pointer is over it
//   VornTextRadioButton  a radio button of a 1-of-N group that draws one or two texts,
//                        highlighted while it is on or under the pointer
#include <string>

#include <wx/bitmap.h>
#include <wx/font.h>

#include <vorn/controls/button.h>

namespace vorn {

/// A push button showing a text, with or without state images.
class VornTextPushButton : public VornControl {
public:
    /// No window yet: Create must follow.
    VornTextPushButton() = default;
    /// A w x h button at (x, y) without images, cleared to `background`; the text is centred.
    VornTextPushButton(const std::string& text, int x, int y, const wxFont& font, const wxColour& textColour,
                       const wxColour& background, const wxColour& highlight, int w, int h, wxWindow* parent, int id,
                       VornControlGroup* group, long style = 0);
    /// A button at (x, y) of the size of the set's images; the text at (tx, ty).
    VornTextPushButton(const VornwxBitmapCache* cache, int x, int y, const std::string& text, int tx, int ty,
                       const wxFont& font, const wxColour& textColour, const wxColour& background,
                       const wxColour& highlight, wxWindow* parent, int id, VornControlGroup* group, long style = 0);

    using VornControl::Create;
    /// Makes the window of the image-less form.
    virtual bool Create(const std::string& text, int x, int y, const wxFont& font, const wxColour& textColour,
                        const wxColour& background, const wxColour& highlight, int w, int h, wxWindow* parent,
                        int id, VornControlGroup* group, long style = 0);
    /// Makes the window of the form with images.
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, const std::string& text, int tx, int ty,
                        const wxFont& font, const wxColour& textColour, const wxColour& background,
                        const wxColour& highlight, wxWindow* parent, int id, VornControlGroup* group,
                        long style = 0);

    /// Replaces the text (UTF-8) and repaints; an image-less button centres it again.
    void SetText(const std::string& text);
    /// The text (UTF-8).
    const std::string& GetText() const { return m_text; }
    /// Where the text's top-left corner is drawn, in client pixels.
    wxPoint GetTextPos() const { return wxPoint(m_textX, m_textY); }

    /// Draws the image and the text for the pointer's state.
    void OnDraw(wxDC* dc) override;

protected:
    /// Reports the press, and the release when it is over the button.
    void OnMouseButton() override;
    /// The region of a state's image, after the stand-ins of the image buttons; false without one.
    bool GetImage(VORNIMAGETYPE state, WallpaperImageInfo<wxBitmap>& info) const;

private:
    bool FinishCreate(bool ok, const std::string& text, const wxFont& font, const wxColour& textColour,
                      const wxColour& background, const wxColour& highlight);
    void CentreText();

    const VornwxBitmapCache* m_cache = nullptr;
    std::string m_text;
    int m_textX = 0;
    int m_textY = 0;
    bool m_centred = false;
    wxFont m_font;
    wxColour m_background;
    wxColour m_textColour;
    wxColour m_highlight;
};

// Built on the image radio button, so its click rule and toggle flag are the radio's own.
/// A radio button of a 1-of-N group that draws one or two texts over its state image.
class VornTextRadioButton : public VornRadioButton {
public:
    /// No window yet: Create must follow.
    VornTextRadioButton() = default;
    /// A button of the size of the set's images; the text turns to `highlight` when on or hovered.
    VornTextRadioButton(const std::string& text, int tx, int ty, const wxFont& font, const wxColour& textColour,
                        const wxColour& second, const wxColour& highlight, const VornwxBitmapCache* cache, int x,
                        int y, wxWindow* parent, int id, VornControlGroup1ofN* group, long style = 0);
    /// The same at the given size.
    VornTextRadioButton(const std::string& text, int tx, int ty, const wxFont& font, const wxColour& textColour,
                        const wxColour& second, const wxColour& highlight, const VornwxBitmapCache* cache, int x,
                        int y, int w, int h, wxWindow* parent, int id, VornControlGroup1ofN* group, long style = 0);
    /// Two colours: the text keeps its colour in every state.
    VornTextRadioButton(const std::string& text, int tx, int ty, const wxFont& font, const wxColour& textColour,
                        const wxColour& second, const VornwxBitmapCache* cache, int x, int y, wxWindow* parent,
                        int id, VornControlGroup1ofN* group, long style = 0);
    /// With a second text at (tx2, ty2).
    VornTextRadioButton(const std::string& text, int tx, int ty, const std::string& text2, int tx2, int ty2,
                        const wxFont& font, const wxColour& textColour, const wxColour& second,
                        const wxColour& highlight, const VornwxBitmapCache* cache, int x, int y, wxWindow* parent,
                        int id, VornControlGroup1ofN* group, long style = 0);

    using VornRadioButton::Create;
    /// Makes the window at the size of the set's images, then the back buffer.
    virtual bool Create(const std::string& text, int tx, int ty, const wxFont& font, const wxColour& textColour,
                        const wxColour& second, const wxColour& highlight, const VornwxBitmapCache* cache, int x,
                        int y, wxWindow* parent, int id, VornControlGroup1ofN* group, long style = 0);
    /// Makes the window at the given size, then the back buffer.
    virtual bool Create(const std::string& text, int tx, int ty, const wxFont& font, const wxColour& textColour,
                        const wxColour& second, const wxColour& highlight, const VornwxBitmapCache* cache, int x,
                        int y, int w, int h, wxWindow* parent, int id, VornControlGroup1ofN* group,
                        long style = 0);

    /// Replaces the text (UTF-8) and repaints.
    void SetText(const std::string& text);
    /// The text.
    void GetText(std::string& text) const { text = m_text; }
    /// Replaces the second text and repaints (drawn only when the button has a second position).
    void SetText2(const std::string& text);
    /// The second text.
    void GetText2(std::string& text) const { text = m_text2; }
    /// Sets the text colour and repaints.
    void SetFgCol(const wxColour& colour);
    /// The second colour given at creation; stored for the host, never drawn.
    wxColour GetSecondColour() const { return m_second; }

    /// Draws the state image and the texts through the back buffer.
    void OnDraw(wxDC* dc) override;

private:
    bool FinishText(bool ok, const std::string& text, int tx, int ty, const wxFont& font,
                    const wxColour& textColour, const wxColour& second, const wxColour& highlight);

    wxBitmap m_buffer;
    std::string m_text;
    int m_textX = 0;
    int m_textY = 0;
    std::string m_text2;
    int m_text2X = -1;
    int m_text2Y = -1;
    wxFont m_font;
    wxColour m_second;
    wxColour m_textColour;
    wxColour m_highlight;
};

} // namespace vorn
