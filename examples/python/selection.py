"""A selection drawn: which of 3000 random boxes a clip volume (a wedge of four
planes) selects, in 3D and from the top, the hits in orange.

    python examples/python/selection.py [OUTPUT.png]    (default docs/selection.png)
"""

import pathlib
import sys

import numpy as np
from matplotlib.figure import Figure
import mpl_toolkits.mplot3d  # noqa: F401  (registers the 3d projection)

import gmath
import gmath.plot


def random_boxes(count: int, seed: int = 7) -> np.ndarray:
    rng = np.random.default_rng(seed)
    low = rng.uniform(0.0, 10.0, (count, 3))
    return np.hstack([low, low + rng.uniform(0.1, 0.6, (count, 3))])


def wedge() -> gmath.ClipVolume:
    points = [[5, 1, 0], [5, 1, 0], [0, 0, 3], [0, 0, 7]]
    normals = [[-0.8, 0.6, 0], [0.8, 0.6, 0], [0, 0, 1], [0, 0, -1]]
    return gmath.build_clip_volume(points, normals)


def main(output: str) -> None:
    boxes = random_boxes(3000)
    volume = wedge()
    hits = np.array([volume.overlaps(gmath.build_box(*row)) for row in boxes])
    order = np.argsort(hits, kind="stable")  # the hits drawn last, on top
    boxes, hits = boxes[order], hits[order]
    figure = Figure(figsize=(9.0, 4.2))
    extent = (0, 0, 0, 10.6, 10.6, 10.6)
    for place, top in ((121, False), (122, True)):
        ax = figure.add_subplot(place, **({} if top else {"projection": "3d"}))
        gmath.plot.boxes(boxes, hits, ax=ax, color=(0.12, 0.47, 0.71, 0.12), edgecolor="none")
        gmath.plot.clip_volume(volume, ax=ax, extent=extent, alpha=0.15)
        ax.set_title("%d of %d boxes overlap the wedge" % (hits.sum(), len(hits)) if top
                     else "3D")
    figure.tight_layout()
    figure.savefig(output, dpi=70)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else str(pathlib.Path("docs") / "selection.png"))
