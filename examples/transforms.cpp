// Transforms and their inverse: a quarter turn about a point and a scaling,
// composed, applied to a position, a vector and a unit vector, then undone.
// A GTransf maps a position p to (p·M)·s + t: M a rotation or reflection,
// s a uniform scaling, t a translation.
#include "show.h"

int main() {
  const GUnitVector z = BuildUnitVector(0, 0, 1);
  // Given as a cosine and sine the quarter turn is exact; RotateTransf(angle,
  // axis, centre) takes radians and carries the rounding of cos and sin.
  const GTransf turn = RotateTransf(0.0, 1.0, z, GPosition{1, 1, 0});
  const GTransf twice = ScaleTransf(2.0);

  // a * b applies a first: turn about (1, 1, 0), then scale about the origin.
  const GTransf both = turn * twice;
  std::printf("flags of turn * twice: rotation %d, reflection %d, shear %d, scaling %g\n",
              both.m_hasRotation, both.m_hasReflection, both.m_hasShear, both.m_scaling);

  // Positions are translated, vectors are not, unit vectors ignore the scaling.
  GPosition p{2, 1, 0};
  p *= both;
  ShowXyz("position (2, 1, 0) goes to", p);
  const GVector v = GVector{1, 0, 0} * both;
  ShowXyz("vector (1, 0, 0) goes to  ", v);
  const GUnitVector u = BuildUnitVector(1, 0, 0) * both;
  ShowXyz("unit vector (1, 0, 0) goes to", u);

  // The inverse undoes the move; p ^ t applies the inverse directly.
  const GTransf back = both.Inverse();
  GPosition q = p;
  q *= back;
  ShowXyz("moved back by the inverse:", q);
  ShowXyz("and by p ^ transform:     ", p ^ both);
  std::printf("(turn * twice) * inverse is the identity: %s\n",
              YesNo((both * back).IsIdentity()));

  // A mirror image: the reflection flag is set and composes like a sign.
  const GTransf mirror = ReflectTransf(BuildUnitVector(1, 0, 0));
  const GTransf mixed = turn * mirror;
  std::printf("turn * mirror: rotation %d, reflection %d\n", mixed.m_hasRotation,
              mixed.m_hasReflection);
  int valid = 0;
  Gassert_valid(mixed, &valid);
  std::printf("turn * mirror is a valid transform: %s\n", YesNo(valid));

  // Its 4x4 form moves points alike; a 4x4 that is not a similarity (here an
  // unequal scaling) does not convert back, and the code says so.
  G4x4 g = G4x4{};
  g = both;
  ShowXyz("the G4x4 of turn * twice moves (2, 1, 0) to", g * GPosition{2, 1, 0});
  GTransf fromG4x4;
  std::printf("converting it back: code %ld\n", ConvertG4x4ToGTransf(g, fromG4x4));
  long err = 0;
  Scale4x4(1, 2, 3, g, &err);
  std::printf("converting Scale4x4(1, 2, 3): code %ld\n", ConvertG4x4ToGTransf(g, fromG4x4));
  return 0;
}
