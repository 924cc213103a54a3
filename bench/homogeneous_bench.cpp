// The G4x4 inverse and the conversion of a G4x4 back into a transform.
#include "floor.h"
#include "inputs.h"

namespace bench {

void RegisterHomogeneous() {
  Pair(
      "G4x4::Inverse",
      [](const Inputs& in, std::size_t i, std::size_t) { return in.perspectives[i].Inverse(); },
      [](const Inputs& in, std::size_t i, std::size_t) {
        return floor::Inverse(in.perspectives[i]);
      });
  Pair(
      "ConvertG4x4ToGTransf",
      [](const Inputs& in, std::size_t i, std::size_t) {
        GTransf t;
        ConvertG4x4ToGTransf(in.similarities[i], t);
        return t;
      },
      [](const Inputs& in, std::size_t i, std::size_t) {
        GTransf t;
        floor::ToTransf(in.similarities[i], t);
        return t;
      });
}

}  // namespace bench
