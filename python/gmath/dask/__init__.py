"""gmath's batch operations over Dask arrays chunked by rows.

Each operation runs one gmath batch call per chunk, on whatever Dask
scheduler is in use (a `distributed` cluster or local threads), and answers
exactly as the single-process call over the whole array: the tolerances in
force when the operation is called travel with its tasks, and the messages
the chunks report come back to the client's ``gmath`` logger (and
``gmath.capture_messages``) in chunk order. Flags and transformed values
come back as dask arrays (compute them with ``gmath.dask.compute`` to get
their messages), hit ids as one numpy array of global row numbers,
ascending. Chunks whose range box a box, clip volume or fence misses are
not computed. See docs/distributed.md.
"""

from typing import Any, Dict, Sequence, Tuple

import numpy as np

from . import _calls, _chunks, _graphs
from ._index import PartitionedIndex
from ._tasks import emit

__all__ = [
    "overlaps", "overlap_hits", "contains", "contains_hits", "inside", "inside_hits",
    "points_in", "transform_positions", "transform_vectors", "transform_boxes",
    "compute", "PartitionedIndex",
]


def _no_skip(volume: Any, array: Any) -> Sequence[bool]:
    return [False] * array.numblocks[0]


def _flags(operation: str, volume: Any, array: Any, width: int, skip_of: Any) -> Any:
    array = _chunks.by_rows(array, width)
    return _graphs.lazy_array(operation, array, skip_of(volume, array), 0, bool,
                              _calls.flags, operation, volume)


def _hits(operation: str, volume: Any, boxes: Any, skip_of: Any) -> np.ndarray:
    boxes = _chunks.by_rows(boxes, 6)
    parts = _graphs.computed_parts(operation, boxes, skip_of(volume, boxes),
                                   _calls.hits, operation, volume)
    emit([part.messages for part in parts])
    return np.concatenate([np.empty(0, np.int64)] + [part.value for part in parts])


def overlaps(volume: Any, boxes: Any) -> Any:
    """Dask array of gmath.overlaps(volume, boxes) (bool per box)."""
    return _flags("overlaps", volume, boxes, 6, _chunks.chunks_to_skip)


def overlap_hits(volume: Any, boxes: Any) -> np.ndarray:
    """gmath.overlap_hits(volume, boxes): int64 row numbers, ascending."""
    return _hits("overlap_hits", volume, boxes, _chunks.chunks_to_skip)


def contains(volume: Any, boxes: Any) -> Any:
    """Dask array of gmath.contains(volume, boxes)."""
    return _flags("contains", volume, boxes, 6, _no_skip)


def contains_hits(volume: Any, boxes: Any) -> np.ndarray:
    """gmath.contains_hits(volume, boxes): int64 row numbers, ascending."""
    return _hits("contains_hits", volume, boxes, _no_skip)


def inside(volume: Any, boxes: Any) -> Any:
    """Dask array of gmath.inside(volume, boxes)."""
    return _flags("inside", volume, boxes, 6, _no_skip)


def inside_hits(volume: Any, boxes: Any) -> np.ndarray:
    """gmath.inside_hits(volume, boxes): int64 row numbers, ascending."""
    return _hits("inside_hits", volume, boxes, _no_skip)


def points_in(volume: Any, points: Any) -> Any:
    """Dask array of gmath.points_in(volume, points)."""
    return _flags("points_in", volume, points, 3, _no_skip)


def _transformed(operation: str, transform: Any, array: Any, width: int,
                 options: Dict[str, bool]) -> Any:
    array = _chunks.by_rows(array, width)
    return _graphs.lazy_array(operation, array, [False] * array.numblocks[0], width,
                              np.float64, _calls.transformed, operation, transform, options)


def transform_positions(t: Any, points: Any, *, inverse: bool = False,
                        transform_first: bool = False) -> Any:
    """Dask array of gmath.transform_positions(t, points, ...)."""
    return _transformed("transform_positions", t, points, 3,
                        dict(inverse=inverse, transform_first=transform_first))


def transform_vectors(t: Any, vectors: Any, *, inverse: bool = False,
                      transform_first: bool = False) -> Any:
    """Dask array of gmath.transform_vectors(t, vectors, ...)."""
    return _transformed("transform_vectors", t, vectors, 3,
                        dict(inverse=inverse, transform_first=transform_first))


def transform_boxes(t: Any, boxes: Any, *, inverse: bool = False,
                    transform_first: bool = False) -> Any:
    """Dask array of gmath.transform_boxes(t, boxes, ...)."""
    return _transformed("transform_boxes", t, boxes, 6,
                        dict(inverse=inverse, transform_first=transform_first))


def compute(*arrays: Any) -> Tuple[Any, ...]:
    """dask.compute of the arrays, reporting the messages of the chunks of
    those made by gmath.dask on the client, array by array in chunk order."""
    import dask

    messages = [getattr(array, "_gmath_messages", None) for array in arrays]
    results = dask.compute(*arrays, [m for m in messages if m is not None])
    for chunks in results[-1]:
        emit(chunks)
    return results[:-1]
