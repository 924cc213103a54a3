"""A typed user script: mypy --strict must accept it against the stubs."""

import numpy as np

import gmath
import gmath.plot


def corners_inside(volume: gmath.ClipVolume, box: gmath.Box) -> bool:
    return volume.overlaps(box) and box in volume


def main() -> None:
    box: gmath.Box = gmath.build_box(0.0, 0.0, 0.0, 1.0, 1.0, 1.0)
    volume = gmath.ClipVolume.from_box(box)
    moved: gmath.Box = box * gmath.translate_transf(gmath.Vector(1.0, 0.0, 0.0))
    g = gmath.G4x4(np.eye(4))
    p: gmath.Position = g * gmath.Position(1.0, 2.0, 3.0)
    with gmath.tolerances(distance=1e-5):
        print(corners_inside(volume, moved), p.x)
    with gmath.capture_messages() as messages:
        gmath.build_unit_vector(0.0, 0.0, 0.0)
    print(len(messages), np.asarray(g).shape)
    text: str = str(gmath.Position.parse(str(p)))
    artist = gmath.plot.boxes(np.array([[0.0, 0, 0, 1, 1, 1]]), [True], top=True)
    print(text, artist)


if __name__ == "__main__":
    main()
