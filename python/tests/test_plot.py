import pathlib
import subprocess
import sys

import matplotlib
import numpy as np
import pytest
from matplotlib.colors import to_rgba

import gmath
import gmath.plot as gp

matplotlib.use("Agg")
EXAMPLE = pathlib.Path(__file__).parents[2] / "examples" / "python" / "selection.py"


@pytest.mark.parametrize("top", [False, True])
def test_boxes_take_the_flags_colours(top):
    boxes = np.array([[0, 0, 0, 1, 1, 1], [2, 0, 0, 3, 1, 1], [0, 2, 0, 1, 3, 1.0]])
    artist = gp.boxes(boxes, [True, False, True], top=top, hit_color="red", color="blue")
    faces = 1 if top else 6
    # A 3D collection gives its colours in depth order once drawn: these are as set.
    colours = artist.get_facecolor() if top else artist._facecolor3d
    assert len(colours) == 3 * faces
    expected = np.repeat([to_rgba(c) for c in ("red", "blue", "red")], faces, axis=0)
    assert (colours == expected).all()
    assert artist.axes.get_xlim()[1] >= 3.0


@pytest.mark.parametrize("top", [False, True])
def test_every_volume_draws_inside_its_extent(top):
    u = gmath.build_unit_vector(0, 0, 1)
    fence = gmath.build_pt_fence([[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 0, 0]], u, 1e30, -1e30)
    line = gmath.build_bore_line(gmath.Position(0, 0, 0), u, 1e30, -1e30, 0.5)
    extent = gmath.build_box(-2, -2, -2, 2, 2, 2)
    ax = gp.new_axes(top)
    artists = [gp.fence(fence, ax, extent=extent),
               gp.frustum(gmath.PtFrustum(fence, gmath.Position(0, 0, 5)), ax, extent=extent),
               gp.prism(gmath.RtPrism(gmath.translate_transf(gmath.Vector(0, 0, 0)), fence.points, 1.0), ax, extent=extent),
               gp.bore_line(line, ax, extent=extent),
               gp.bore_cone(gmath.BoreCone(line, gmath.Position(0, 0, 5)), ax, extent=extent),
               gp.clip_volume(gmath.ClipVolume([[0, 0, 1, 0]]), ax, extent=extent)]
    assert len(ax.collections) == len(artists)
    for artist in artists:
        points = np.vstack([p.vertices for p in artist.get_paths()]) if top else np.vstack(
            artist._vec[:3].T)
        assert len(points) and np.abs(points).max() <= 2.0 + 1e-9


def test_selection_example_writes_a_png(tmp_path):
    output = tmp_path / "selection.png"
    subprocess.run([sys.executable, str(EXAMPLE), str(output)], check=True, cwd=tmp_path)
    assert output.read_bytes().startswith(b"\x89PNG\r\n\x1a\n")
