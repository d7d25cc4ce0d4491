#pragma once
// Vector and quaternion helpers and the virtual trackball: a mouse drag
// becomes a rotation quaternion, rotations compose, and a quaternion becomes a
// GL matrix for the model rotation.
#include <array>
#include <cstdint>

// A 3-vector in elements 0..2 (element 3 is carried along by VecCopy), or a
// quaternion (x, y, z, w) with w the scalar part.
using Vec4 = std::array<float, 4>;
// A 4x4 matrix in the order GL multiplies it (column by column).
using Mat16 = std::array<float, 16>;

// The trackball's axis choice for a drag: 1 free, 2 about the screen's z
// (menu "绕X轴旋转"), 3 about x ("绕Y轴旋转"), 4 about y ("绕Z轴旋转"); 0 until
// a rotate command is chosen.
extern std::int32_t RotationMode;

void VecZero(Vec4& v);
void VecSet(Vec4& v, float x, float y, float z);
void VecSub(const Vec4& a, const Vec4& b, Vec4& r);
// Copies all four elements.
void VecCopy(const Vec4& src, Vec4& dst);
// r = a x b; r may be a or b, and r[3] becomes 0.
void VecCross(const Vec4& a, const Vec4& b, Vec4& r);
double VecLength(const Vec4& v);
void VecScale(Vec4& v, float s);
// Divides by the length; a zero vector raises the division-by-zero fault.
void VecNormalize(Vec4& v);
double VecDot(const Vec4& a, const Vec4& b);
void VecAdd(const Vec4& a, const Vec4& b, Vec4& r);

// Arcsine through the arctangent; 1 gives pi/2, -1 the division-by-zero
// fault, |x| > 1 the invalid-operation fault.
double ArcSin(float x);
// Arccosine in 0..pi through the arctangent. 0 is replaced by 1E-7 in the
// argument itself (giving just below pi/2); |x| > 1 raises the invalid fault.
double ArcCos(float& x);

// Height of the trackball surface of radius r over the window point (x, y):
// the sphere inside 0.7071 r, a hyperbolic sheet outside.
float ProjectToSphere(float r, float x, float y);
// The rotation for a drag from (x1, y1) to (x2, y2), window coordinates
// normalised to -1..1 with y up; the axis follows RotationMode.
void DragToQuat(Vec4& q, float x1, float y1, float x2, float y2);
// The rotation by phi radians about axis a (normalised in place).
void AxisToQuat(Vec4& a, double phi, Vec4& q);
// dest = the rotation q1 followed by q2, renormalised; dest may be q1 or q2.
void ComposeQuats(const Vec4& q1, const Vec4& q2, Vec4& dest);
void NormalizeQuat(Vec4& q);
void QuatToMatrix(Mat16& m, const Vec4& q);
