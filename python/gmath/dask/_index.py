"""One gmath.BoxIndex per row chunk, built and kept on the workers."""

import uuid
from typing import Any, List, Tuple

import numpy as np

from .. import _tolerances
from . import _calls, _chunks
from ._tasks import emit, messages_of, run


class PartitionedIndex:
    """A box index over a dask array of boxes, one gmath.BoxIndex per chunk
    built on the workers of `client` (the default client when None) and
    kept there as futures: queries send the volume to the indexes, never an
    index back. Ids are global row numbers. A lost index is rebuilt from
    the boxes' graph; persist the boxes to keep that cheap."""

    def __init__(self, boxes: Any, client: Any = None) -> None:
        import dask
        from distributed import get_client

        self._client = client if client is not None else get_client()
        self._boxes = _chunks.by_rows(boxes, 6)
        self._starts = _chunks.offsets(self._boxes)
        tolerances = _tolerances._current()
        blocks = self._boxes.to_delayed().ravel()
        name = f"gmath-build_index-{self._boxes.name}"
        built = [dask.delayed(run, pure=True)(_calls.build_index, tolerances, i, block,
                                              self._starts[i], dask_key_name=f"{name}-{i}")
                 for i, block in enumerate(blocks)]
        self._parts: List[Any] = self._client.compute(built)
        emit(self._client.gather(self._client.map(messages_of, self._parts, pure=False)))

    def __len__(self) -> int:
        return self._starts[-1]

    def _chunks_for(self, volume: Any) -> List[int]:
        skip = _chunks.chunks_to_skip(volume, self._boxes)
        return [i for i, skipped in enumerate(skip) if not skipped]

    def _run_all(self, call: Any, chunks: List[int], args: Any) -> List[Any]:
        tolerances = _tolerances._current()
        name = f"gmath-{call.__name__}-{uuid.uuid4().hex}"
        futures = [self._client.submit(run, call, tolerances, i, self._parts[i], *args(i),
                                       key=f"{name}-{i}")
                   for i in chunks]
        parts = self._client.gather(futures)
        emit([part.messages for part in parts])
        return [part.value for part in parts]

    def query(self, volume: Any) -> np.ndarray:
        """gmath.BoxIndex(boxes).query(volume) over the whole array: int64
        row numbers, ascending."""
        values = self._run_all(_calls.query_index, self._chunks_for(volume), lambda i: (volume,))
        return np.concatenate([np.empty(0, np.int64)] + values)

    def first_hits(self, bore: Any, count: int) -> Tuple[np.ndarray, np.ndarray]:
        """gmath.BoxIndex(boxes).first_hits(bore, count) over the whole array:
        (ids, entry depths) of each chunk's first hits, ordered together as
        one index orders them: by depth, then id, NaN last."""
        chunks = [i for i, rows in enumerate(self._boxes.chunks[0]) if rows]
        values = self._run_all(_calls.first_hits, chunks, lambda i: (bore, count))
        ids = np.concatenate([np.empty(0, np.int64)] + [v[0] for v in values])
        depths = np.concatenate([np.empty(0)] + [v[1] for v in values])
        first = np.lexsort((ids, depths))[:max(count, 0)]
        return ids[first], depths[first]
