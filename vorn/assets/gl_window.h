#pragma once
// A small windowless rectangle that draws itself with OpenGL immediate-mode calls, in the
// coordinates of whatever projection the host has set up.
namespace vorn {

/// A rectangle drawn with OpenGL at the position given to each Draw. Subclasses replace
/// OnDraw (and PrepareContext for other GL state).
class VornGLWindow {
public:
    /// Size 10 x 10, minimum 5 x 5, not captured.
    VornGLWindow() = default;
    /// Copies every field.
    VornGLWindow(const VornGLWindow&) = default;
    /// Copies every field.
    VornGLWindow& operator=(const VornGLWindow&) = default;
    /// Nothing to release.
    virtual ~VornGLWindow() = default;

    /// Stores the position, then CalcBounds and Paint.
    virtual void Draw(int x, int y);
    /// The position of the last Draw.
    virtual void GetLastPosition(int& x, int& y);
    /// Stores the size, each side raised to its minimum when smaller.
    virtual void SetSize(int w, int h);
    /// The stored size.
    virtual void GetSize(int& w, int& h);
    /// Stores the minimum size; the current size feels it at the next SetSize.
    virtual void SetMinSize(int& w, int& h);
    /// The minimum size.
    virtual void GetMinSize(int& w, int& h);
    /// Computes the inclusive lower-right corner from the position and size; a side below
    /// one pixel becomes one pixel.
    virtual void CalcBounds();

    /// True between CaptureMouse and ReleaseMouse.
    bool IsCaptured() const { return m_captured; }

protected:
    /// PrepareContext, then OnDraw.
    virtual void Paint();
    /// Draws a filled polygon over the bounds in the current colour.
    virtual void OnDraw();
    /// Flat, unlit, opaque filled drawing; loads the identity into the current matrix and
    /// leaves the model-view matrix current.
    virtual void PrepareContext();

    /// Marks the window as holding the pointer (a flag only).
    void CaptureMouse() { m_captured = true; }
    /// Clears the flag.
    void ReleaseMouse() { m_captured = false; }

    bool m_captured = false; ///< Set by CaptureMouse.
    int m_width = 10;        ///< Width in pixels.
    int m_height = 10;       ///< Height in pixels.
    int m_minWidth = 5;      ///< The least width SetSize stores.
    int m_minHeight = 5;     ///< The least height SetSize stores.
    int m_x = 0;             ///< Left edge at the last Draw.
    int m_y = 0;             ///< Top edge at the last Draw.
    int m_right = 0;         ///< Inclusive right edge, from CalcBounds.
    int m_bottom = 0;        ///< Inclusive bottom edge, from CalcBounds.
};

} // namespace vorn
