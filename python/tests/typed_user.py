"""A typed user script: mypy --strict must accept it against the stubs."""

import numpy as np
import numpy.typing as npt

import gmath


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
    boxes = np.array([[0.0, 0.0, 0.0, 1.0, 1.0, 1.0], [5.0, 5.0, 5.0, 6.0, 6.0, 6.0]])
    flags: npt.NDArray[np.bool_] = gmath.overlaps(volume, boxes, threads=2)
    index = gmath.BoxIndex(boxes)
    hits: npt.NDArray[np.int64] = index.query(volume)
    moved_boxes = gmath.transform_boxes(gmath.translate_transf(gmath.Vector(1.0, 0.0, 0.0)), boxes)
    print(flags, hits, moved_boxes.shape, len(index))


if __name__ == "__main__":
    main()
