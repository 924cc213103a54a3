"""Drawing gmath values with matplotlib, in 3D or as a top view (x, y).

Every function takes ``ax`` (3D axes, or 2D axes for a top view; None makes
a new figure, 2D when ``top`` is true), draws on it and returns the artists it added; keyword
arguments go to the artists (``color``, ``alpha``, ``linewidth``, ...).
Nothing here imports pyplot or picks a backend: a figure made here is a bare
``matplotlib.figure.Figure`` that saves with Agg (``fig.savefig(path)``).

The volumes are drawn as their faces, clipped to an *extent* box: a
``gmath.Box`` or ``(low_x, low_y, low_z, high_x, high_y, high_z)``, by
default the axes' current limits (draw the boxes first, or pass one). A top
view has no z limits: its default extent spans z over the larger of the x
and y spans, about 0. Unbounded depths (a bore line's 1e30, a clip volume of
fewer than six planes) end at the extent.
"""

from typing import Any, List, Optional, Sequence, Tuple

import numpy as np
from numpy.typing import NDArray

import gmath

Floats = NDArray[np.float64]

HIT_COLOR = "tab:orange"
MISS_COLOR = "tab:blue"
_SEGMENTS = 24  # the sides of the polygon that stands for a bore's circle


def new_axes(top: bool = False, size: Tuple[float, float] = (6.0, 5.0)) -> Any:
    """Axes on a new figure: 3D, or 2D with equal x and y scales for a top view."""
    from matplotlib.figure import Figure
    if not top:
        import mpl_toolkits.mplot3d  # noqa: F401  (registers the 3d projection)
    figure = Figure(figsize=size)
    if top:
        ax = figure.add_subplot()
        ax.set_aspect("equal", adjustable="datalim")
        return ax
    return figure.add_subplot(projection="3d")


def box_array(boxes: Any) -> Floats:
    """An (n, 6) array (low x, y, z, high x, y, z) of a Box, Box values or an array."""
    if isinstance(boxes, gmath.Box):
        boxes = [boxes]
    if not isinstance(boxes, np.ndarray) and len(boxes) and isinstance(boxes[0], gmath.Box):
        boxes = [(*b.low, *b.high) for b in boxes]
    return np.asarray(boxes, dtype=np.float64).reshape(-1, 6)


# The corners of a box face as indices into (low x, y, z, high x, y, z).
_FACES = np.array([
    [[0, 1, 2], [3, 1, 2], [3, 4, 2], [0, 4, 2]], [[0, 1, 5], [3, 1, 5], [3, 4, 5], [0, 4, 5]],
    [[0, 1, 2], [3, 1, 2], [3, 1, 5], [0, 1, 5]], [[0, 4, 2], [3, 4, 2], [3, 4, 5], [0, 4, 5]],
    [[0, 1, 2], [0, 4, 2], [0, 4, 5], [0, 1, 5]], [[3, 1, 2], [3, 4, 2], [3, 4, 5], [3, 1, 5]],
])


def boxes(boxes: Any, flags: Optional[Sequence[bool]] = None, ax: Any = None,
          top: bool = False, hit_color: Any = HIT_COLOR, color: Any = MISS_COLOR,
          **style: Any) -> Any:
    """Draws boxes (an (n, 6) array, Box values or one Box) as one collection: 3D faces
    (a Poly3DCollection, six faces per box) or top-view rectangles (a PolyCollection).
    With flags (one bool per box, a query's answer) a box is hit_color where its flag
    is set and color elsewhere (give color an alpha to fade the misses). Returns the
    collection."""
    from matplotlib.colors import to_rgba
    array = box_array(boxes)
    hits = np.zeros(len(array), bool) if flags is None else np.asarray(flags, dtype=bool)
    colors = np.array([to_rgba(color), to_rgba(hit_color)])[hits.astype(int)]
    ax, top = _axes(ax, top)
    style = {"edgecolor": "k", "linewidth": 0.2, **style}
    if top:
        from matplotlib.collections import PolyCollection
        quads = array[:, _FACES[0, :, :2]]
        artist = PolyCollection(quads, facecolors=colors, **style)
        return _add(ax, artist, quads.reshape(-1, 2))
    from mpl_toolkits.mplot3d.art3d import Poly3DCollection
    faces = array[:, _FACES].reshape(-1, 4, 3)
    artist = Poly3DCollection(faces, facecolors=np.repeat(colors, 6, axis=0), **style)
    return _add(ax, artist, faces.reshape(-1, 3))


def clip_volume(volume: "gmath.ClipVolume", ax: Any = None, top: bool = False,
                extent: Any = None, **style: Any) -> Any:
    """Draws the part of a clip volume inside the extent: the extent's faces cut by
    the volume's planes, and each plane's own face. Returns the collection."""
    ax, top = _axes(ax, top)
    planes = volume.planes
    box = _extent_planes(ax, top, extent)
    faces = [_clip(face, planes) for face in _box_faces(box)]
    faces += [_clip(_plane_square(plane, box), np.vstack([box, planes[np.arange(len(planes)) != i]]))
              for i, plane in enumerate(planes)]
    return _faces(faces, ax, top, style)


def fence(fence: "gmath.PtFence", ax: Any = None, top: bool = False, extent: Any = None,
          **style: Any) -> Any:
    """Draws a point fence: its polygon swept along its direction from back to front
    (cut at the extent when unbounded). Returns the collection."""
    ax, top = _axes(ax, top)
    return _swept(fence.points, fence.direction, fence.back, fence.front, None, ax, top, extent,
                  style)


def frustum(frustum: "gmath.PtFrustum", ax: Any = None, top: bool = False, extent: Any = None,
            **style: Any) -> Any:
    """Draws a point frustum: the pyramid from the eye through the fence's points, cut
    at the fence's front and back depths. Returns the collection."""
    ax, top = _axes(ax, top)
    f = frustum.fence
    return _swept(f.points, f.direction, f.back, f.front, frustum.eye_point, ax, top, extent,
                  style)


def prism(prism: "gmath.RtPrism", ax: Any = None, top: bool = False, extent: Any = None,
          **style: Any) -> Any:
    """Draws a right prism: its local polygon and the same polygon height above it,
    placed by its transform, and the sides between them. Returns the collection."""
    ax, top = _axes(ax, top)
    t = prism.transf
    base = _open(np.asarray(prism.points))
    cap = base + [0.0, 0.0, prism.height]
    world = [(p @ t.matrix.rows) * t.scaling + np.asarray(t.translation) for p in (base, cap)]
    return _faces(_sides(*world), ax, top, style, _extent_planes(ax, top, extent))


def bore_line(line: "gmath.BoreLine", ax: Any = None, top: bool = False, extent: Any = None,
              **style: Any) -> Any:
    """Draws a bore line as a tube of its radius about its axis (a 24-sided polygon
    stands for the circle) from back to front, cut at the extent. Returns the
    collection."""
    ax, top = _axes(ax, top)
    circle = _circle(line.point, line.direction, line.radius)
    return _swept(circle, line.direction, line.back, line.front, None, ax, top, extent, style)


def bore_cone(cone: "gmath.BoreCone", ax: Any = None, top: bool = False, extent: Any = None,
              **style: Any) -> Any:
    """Draws a bore cone: the cone from the eye through the bore's circle, cut at the
    bore's front and back depths (and at the extent). Returns the collection."""
    ax, top = _axes(ax, top)
    line = cone.bore_line
    circle = _circle(line.point, line.direction, line.radius)
    return _swept(circle, line.direction, line.back, line.front, cone.eye_point, ax, top, extent,
                  style)


def _axes(ax: Any, top: bool) -> Tuple[Any, bool]:
    """The axes to draw on and whether they are a top view (2D axes are)."""
    if ax is None:
        return new_axes(top), top
    return ax, not hasattr(ax, "get_zlim")


def _add(ax: Any, artist: Any, points: Floats) -> Any:
    """Adds artist and widens the axes' limits to points (when there are any)."""
    had_data = ax.has_data()
    if hasattr(ax, "add_collection3d"):
        ax.add_collection3d(artist)
        if len(points):
            ax.auto_scale_xyz(points[:, 0], points[:, 1], points[:, 2], had_data)
    else:
        ax.add_collection(artist)
        if len(points):
            ax.update_datalim(points[:, :2])
            ax.autoscale_view()
    return artist


def _faces(faces: List[Floats], ax: Any, top: bool, style: Any,
           clip: Optional[Floats] = None) -> Any:
    if clip is not None:
        faces = [_clip(face, clip) for face in faces]
    faces = [face for face in faces if len(face) >= 3]
    style = {"facecolor": "0.6", "edgecolor": "k", "alpha": 0.3, "linewidth": 0.5, **style}
    points = np.vstack(faces) if faces else np.empty((0, 3))
    if top:
        from matplotlib.collections import PolyCollection
        return _add(ax, PolyCollection([face[:, :2] for face in faces], **style), points)
    from mpl_toolkits.mplot3d.art3d import Poly3DCollection
    return _add(ax, Poly3DCollection(faces, **style), points)


def _swept(points: Any, direction: Any, back: float, front: float, eye: Any, ax: Any, top: bool,
           extent: Any, style: Any) -> Any:
    """The polygon's sides between the depths back and front along direction, measured
    from its first point, straight (eye None) or on the rays from eye."""
    polygon = _open(np.asarray(points, dtype=np.float64))
    d = np.asarray(tuple(direction))
    clip = _extent_planes(ax, top, extent)
    reach = _reach(clip, polygon[0])
    back, front = max(back, -reach), min(front, reach)
    depth = (polygon - polygon[0]) @ d
    if eye is None:
        caps = [polygon + np.outer(t - depth, d) for t in (back, front)]
    else:
        e = np.asarray(tuple(eye))
        rays = polygon - e
        caps = [e + rays * ((t - (e - polygon[0]) @ d) / (rays @ d))[:, None] for t in (back, front)]
    return _faces(_sides(*caps), ax, top, style, clip)


def _sides(low: Floats, high: Floats) -> List[Floats]:
    n = len(low)
    return [low, high] + [np.array([low[i], low[(i + 1) % n], high[(i + 1) % n], high[i]])
                          for i in range(n)]


def _open(points: Floats) -> Floats:
    """The polygon without its closing point (the first point repeated)."""
    return points[:-1] if len(points) > 1 and (points[0] == points[-1]).all() else points


def _circle(center: Any, direction: Any, radius: float) -> Floats:
    d = np.asarray(tuple(direction))
    u = np.cross(d, [1.0, 0.0, 0.0] if abs(d[0]) < 0.9 else [0.0, 1.0, 0.0])
    u /= np.linalg.norm(u)
    v = np.cross(d, u)
    angles = np.linspace(0.0, 2.0 * np.pi, _SEGMENTS, endpoint=False)
    ring = np.outer(np.cos(angles), u) + np.outer(np.sin(angles), v)
    return np.asarray(tuple(center), dtype=np.float64) + radius * ring


def _extent_planes(ax: Any, top: bool, extent: Any) -> Floats:
    """The extent as six planes (a, b, c, d), inside where a*x + b*y + c*z + d >= 0."""
    if extent is None:
        x, y = ax.get_xlim(), ax.get_ylim()
        half = max(x[1] - x[0], y[1] - y[0]) / 2.0
        z = (-half, half) if top else ax.get_zlim()
        low, high = np.array([x[0], y[0], z[0]]), np.array([x[1], y[1], z[1]])
    else:
        low, high = box_array(extent)[0, :3], box_array(extent)[0, 3:]
    eye = np.eye(3)
    return np.vstack([np.c_[eye, -low], np.c_[-eye, high]])


def _reach(box: Floats, origin: Floats) -> float:
    """A depth past which any line through origin has left the extent."""
    low, high = -box[:3, 3], box[3:, 3]
    return float(np.linalg.norm(high - low) + np.linalg.norm((low + high) / 2 - origin))


def _box_faces(box: Floats) -> List[Floats]:
    bounds = np.concatenate([-box[:3, 3], box[3:, 3]])
    return list(bounds[_FACES])


def _plane_square(plane: Floats, box: Floats) -> Floats:
    """A square on the plane, centred at the extent's centre's foot, wider than the extent."""
    n, d = plane[:3], plane[3]
    scale = np.dot(n, n)
    low, high = -box[:3, 3], box[3:, 3]
    foot = (low + high) / 2 - n * (np.dot(n, (low + high) / 2) + d) / scale
    u = np.cross(n, [1.0, 0.0, 0.0] if abs(n[0]) < 0.9 * np.sqrt(scale) else [0.0, 1.0, 0.0])
    u *= np.linalg.norm(high - low) / np.linalg.norm(u)
    v = np.cross(n, u) / np.sqrt(scale)
    square: Floats = np.array([u + v, v - u, -u - v, u - v], dtype=np.float64) + foot
    return square


def _clip(polygon: Floats, planes: Floats) -> Floats:
    """The part of a convex polygon where every plane row (a, b, c, d) has
    a*x + b*y + c*z + d >= 0 (Sutherland-Hodgman)."""
    for plane in planes:
        if len(polygon) == 0:
            break
        side = polygon @ plane[:3] + plane[3]
        kept = []
        for i in range(len(polygon)):
            j = (i + 1) % len(polygon)
            if side[i] >= 0:
                kept.append(polygon[i])
            if (side[i] >= 0) != (side[j] >= 0):
                kept.append(polygon[i] + (polygon[j] - polygon[i]) * (side[i] / (side[i] - side[j])))
        polygon = np.array(kept).reshape(-1, 3)
    return polygon
