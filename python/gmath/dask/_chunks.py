"""Row chunks of a dask array of boxes or points, and the range of each
chunk's boxes, so that a query skips the chunks it cannot touch."""

import collections
from typing import Any, List, Sequence

import numpy as np

import gmath as _gmath

from .. import _messages

# Beyond 2^120 the library's tests may round a size to infinity; the box
# index keeps such boxes aside too.
_BOUNDABLE_LIMIT = 2.0 ** 120

# The volumes whose overlap test is monotone in the box: a box inside a
# range box that the volume misses is missed too. The bore line's is not.
MONOTONE_VOLUMES = (_gmath.Box, _gmath.ClipVolume, _gmath.PtFence)


def by_rows(array: Any, width: int) -> Any:
    """`array` as a dask array of `width` columns chunked by rows only."""
    import dask.array as da

    array = da.asarray(array)
    if array.ndim != 2 or array.shape[1] != width:
        raise ValueError(f"expected an array of shape (n, {width}), got {array.shape}")
    if len(array.chunks[1]) != 1:
        array = array.rechunk({1: width})
    return array


def offsets(array: Any) -> List[int]:
    """The first row of each chunk, and the row count at the end."""
    return [0] + np.cumsum(array.chunks[0]).tolist()


def chunk_range(block: np.ndarray) -> np.ndarray:
    """[low x y z, high x y z, 1.0] of the chunk's boxes: componentwise min
    and max of the raw coordinates; last 0.0 when a box has a NaN, a number
    beyond 2^120 or low above high, or the chunk is empty or not an (n, 6)
    float64 array: such a chunk is never skipped by its range (its task
    raises what the single call would)."""
    if not (isinstance(block, np.ndarray) and block.ndim == 2 and block.shape[1] == 6
            and block.dtype == np.float64):
        return np.zeros((1, 7))
    low, high = block[:, :3], block[:, 3:]
    boundable = (len(block) > 0 and bool(np.all(np.abs(block) <= _BOUNDABLE_LIMIT))
                 and bool(np.all(low <= high)))
    if not boundable:
        return np.zeros((1, 7))
    return np.concatenate([low.min(axis=0), high.max(axis=0), [1.0]])[np.newaxis]


_ranges_cache: "collections.OrderedDict[str, np.ndarray]" = collections.OrderedDict()


def ranges(boxes: Any) -> np.ndarray:
    """The (chunks, 7) ranges of a dask array of boxes, computed once per
    array (dask names an array by its content) and kept on the client."""
    cached = _ranges_cache.get(boxes.name)
    if cached is None:
        cached = boxes.map_blocks(chunk_range, chunks=((1,) * boxes.numblocks[0], (7,)),
                                  dtype=float).compute()
        _ranges_cache[boxes.name] = cached
        while len(_ranges_cache) > 64:
            _ranges_cache.popitem(last=False)
    return cached


def _numbers(value: Any) -> List[float]:
    if hasattr(value, "_fields"):
        return [x for field in value._fields() for x in _numbers(field)]
    if isinstance(value, (tuple, list, np.ndarray)):
        return [float(x) for x in np.asarray(value, dtype=float).ravel()]
    return [float(value)]


def chunks_to_skip(volume: Any, boxes: Any) -> Sequence[bool]:
    """For each chunk, whether no box of it can overlap `volume`: the chunk
    is empty, or the volume's test is monotone, the volume and the chunk
    are finite and the chunk's range box misses the volume (tested here,
    under the tolerances in force, as the tasks will test)."""
    rows = np.asarray(boxes.chunks[0]) == 0
    if not isinstance(volume, MONOTONE_VOLUMES):
        return rows.tolist()
    if not np.all(np.abs(_numbers(volume)) <= _BOUNDABLE_LIMIT):
        return rows.tolist()
    table = ranges(boxes)
    bounded = table[:, 6] == 1.0
    with _messages.diverted_messages():  # the chunks' tasks report them
        touched = _gmath.overlaps(volume, np.ascontiguousarray(table[:, :6]))
    misses = bounded & ~touched
    return (rows | misses).tolist()
