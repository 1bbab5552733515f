#pragma once
// VornBlobbyControl: a small decorative property-tree row, a coloured band with a round
// drop hanging from its middle. Drawn once in software, then blitted; it has no value.
#include <memory>

#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/tree/vui_control.h>

namespace vorn {

/// The blob picture of size w × h: a band of `blob` over the top half with round bites at
/// both ends and a drop of radius 5 at the centre, on `background`.
wxImage MakeBlobImage(int w, int h, const Color& background, const Color& blob);

/// A decorative 19 × 12 row: a band with a drop in the blob colour.
class VornBlobbyControl : public VornVUIControl {
public:
    /// Stores the colour; the tree (or the host) creates the window.
    explicit VornBlobbyControl(Color colour) : m_blobColour(colour) {}

    /// 9: the drop's centre lines up with its siblings.
    int GetAllignmentPt() override { return 9; }
    /// 19.
    int GetMaxWidth() override { return 19; }
    /// 12.
    int GetMaxHeight() override { return 12; }
    /// Makes the picture on first use, then copies it to (0, 0).
    void OnDraw(wxDC* dc) override;
    /// The blob colour.
    Color GetBlobColour() const { return m_blobColour; }

private:
    // Made once: later colour changes keep the first picture.
    void MakeBlobbyImage();

    std::unique_ptr<wxBitmap> m_picture; ///< The picture, made on the first paint.
    Color m_blobColour;                  ///< The band and drop colour.
};

} // namespace vorn
