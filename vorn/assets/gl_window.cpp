#include <vorn/assets/gl_window.h>

#include <algorithm>

#include <GL/gl.h>

namespace vorn {

void VornGLWindow::Draw(int x, int y)
{
    m_x = x;
    m_y = y;
    CalcBounds();
    Paint();
}

void VornGLWindow::GetLastPosition(int& x, int& y)
{
    x = m_x;
    y = m_y;
}

void VornGLWindow::SetSize(int w, int h)
{
    m_width = std::max(w, m_minWidth);
    m_height = std::max(h, m_minHeight);
}

void VornGLWindow::GetSize(int& w, int& h)
{
    w = m_width;
    h = m_height;
}

void VornGLWindow::SetMinSize(int& w, int& h)
{
    m_minWidth = w;
    m_minHeight = h;
}

void VornGLWindow::GetMinSize(int& w, int& h)
{
    w = m_minWidth;
    h = m_minHeight;
}

void VornGLWindow::CalcBounds()
{
    // In 64 bits: a position near the int limits must not overflow on the way.
    const long long right = std::max<long long>(static_cast<long long>(m_x) + m_width - 1, m_x);
    const long long bottom = std::max<long long>(static_cast<long long>(m_y) + m_height - 1, m_y);
    m_right = static_cast<int>(std::min<long long>(right, 0x7fffffff));
    m_bottom = static_cast<int>(std::min<long long>(bottom, 0x7fffffff));
    m_width = m_right - m_x + 1;
    m_height = m_bottom - m_y + 1;
}

void VornGLWindow::Paint()
{
    PrepareContext();
    OnDraw();
}

void VornGLWindow::OnDraw()
{
    glBegin(GL_POLYGON);
    glVertex3i(m_x, m_y, 0);
    glVertex3i(m_right, m_y, 0);
    glVertex3i(m_right, m_bottom, 0);
    glVertex3i(m_x, m_bottom, 0);
    glEnd();
}

void VornGLWindow::PrepareContext()
{
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_FLAT);
    glLoadIdentity();
    // Both selected in turn, neither reset: the model-view matrix is left current.
    glMatrixMode(GL_PROJECTION);
    glMatrixMode(GL_MODELVIEW);
}

} // namespace vorn
