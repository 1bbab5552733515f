#pragma once
#include <vorn/controls/angle_model.h>

namespace vorn {

// The arithmetic of the attitude indicator, apart from any window.
//
// Roll is in turns, pitch in 0..1. With c the centre, R the radius and t = roll x 2 pi:
//   A  = c + R (cos t, -sin t), B = c - R (cos t, -sin t)   (each coordinate truncated)
//   P1 = (cx + (cy - A.y), cy - (cx - A.x)), P2 = (cx - (cy - A.y), cy + (cx - A.x))
//   Q  = trunc(P2 + (P1 - P2) x pitch)                      (0 at P2, 0.5 at c, 1 at P1)
//
//   event            | effect
//   -----------------+-------------------------------------------------------------------
//   press at p       | each of A, B, Q with |x - p.x| < 5 and |y - p.y| < 5 is grabbed;
//                    | the press point and the pitch are kept for Q
//   step, A grabbed  | roll = direction of p from c in turns; handles from that direction
//   step, B grabbed  | the same, plus half a turn, brought into 0..1
//   step, Q grabbed  | the pitch drag below
//   release          | nothing grabbed
// A step acts for the first grabbed handle in the order A, B, Q.
/// The handles of the attitude indicator and their drags.
class HorizonModel {
public:
    /// The handles, as bits of what a press grabbed.
    enum Handle {
        kHandleA = 1, ///< The roll handle A.
        kHandleB = 2, ///< The roll handle B.
        kHandleQ = 4  ///< The pitch handle Q.
    };

    /// The centre and the radius of the roll handles; places the handles anew.
    void SetGeometry(int cx, int cy, int radius);
    /// Stores the roll (a value that is no finite number counts as 0) and places the
    /// handles, then the pitch axis; false, changing nothing, when it is the same roll.
    bool SetRoll(float roll);
    /// Stores the pitch clamped to 0..1 (no finite number: 0.5, level) and places the axis
    /// ends and Q; false, changing nothing, when the stored pitch stays the same.
    bool SetPitch(float pitch);
    /// Stores the pitch as SetPitch does and places P1, P2 and Q, whatever it was.
    void SetCValue(float pitch);

    /// Grabs every handle within 5 pixels (exclusive) in both x and y of (x, y); returns
    /// the grabbed handles' bits (0: none).
    int Press(int x, int y);
    /// One drag step of the pointer to (x, y); true when a grabbed handle acted on it (a
    /// roll handle has no direction to follow from a pointer on the centre).
    bool DragTo(int x, int y);
    /// Lets every handle go.
    void Release() { m_grabbed = 0; }

    /// The roll in turns.
    float GetRoll() const { return m_roll; }
    /// The pitch, 0..1.
    float GetPitch() const { return m_pitch; }
    /// The grabbed handles' bits.
    int GetGrabbed() const { return m_grabbed; }
    /// The roll handle A (the horizon's right end at roll 0).
    DialPoint GetA() const { return m_a; }
    /// The roll handle B, opposite A.
    DialPoint GetB() const { return m_b; }
    /// The pitch handle Q, on the axis P2-P1.
    DialPoint GetQ() const { return m_q; }
    /// The axis end where the pitch is 1.
    DialPoint GetP1() const { return m_p1; }
    /// The axis end where the pitch is 0.
    DialPoint GetP2() const { return m_p2; }
    /// The centre.
    DialPoint GetCentre() const { return {m_cx, m_cy}; }
    /// The radius of the roll handles.
    int GetRadius() const { return m_radius; }
    /// The press point kept for a pitch drag.
    DialPoint GetGrab() const { return m_grab; }

    /// The pointer's direction from the centre in turns, 0 <= a < 1, counter-clockwise on
    /// screen from straight right; false for a pointer on the centre.
    bool PointerTurns(int x, int y, double& turns) const;

private:
    /// A = c + R u, B = c - R u for the unit direction u (y up), truncated.
    void PlaceHandles(double ux, double uy);
    void DragPitch(int x, int y);

    float m_roll = 0.0f;
    float m_pitch = 0.5f;
    int m_cx = 0, m_cy = 0, m_radius = 0;
    DialPoint m_a, m_b, m_q, m_p1, m_p2;
    DialPoint m_grab;          // press point of a pitch drag
    float m_grabPitch = 0.5f;  // pitch at that press
    int m_grabbed = 0;
};

} // namespace vorn
