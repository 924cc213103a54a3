"""Task graphs of one gmath call per row chunk. Each task carries the
operation's name, the pickled query value (a few hundred bytes) and the
client's tolerances; the chunk itself is a dependency, never inlined."""

import pickle
from typing import Any, Callable, List, Sequence, Tuple

import numpy as np
from dask.base import tokenize
from dask.delayed import Delayed
from dask.highlevelgraph import HighLevelGraph

from .. import _tolerances
from . import _chunks
from ._tasks import messages_of, run, value_of

def _name(prefix: str, *parts: Any) -> str:
    return f"gmath-{prefix}-{tokenize(*parts)}"


def part_tasks(prefix: str, array: Any, skip: Sequence[bool], call: Callable[..., Any],
               *args: Any, with_offset: bool = False) -> Tuple[str, dict]:
    """The tasks (name, i) computing Part(call(*args, block)) for each chunk
    i not skipped, or Part(call(*args, block, first row of the chunk))."""
    tolerances = _tolerances._current()
    name = _name(prefix, array.name, call.__name__, pickle.dumps(args), tolerances)
    starts = _chunks.offsets(array)
    graph = {}
    for i, skipped in enumerate(skip):
        if skipped:
            continue
        offset = (starts[i],) if with_offset else ()
        graph[(name, i)] = (run, call, tolerances, i, *args, (array.name, i, 0), *offset)
    return name, graph


def lazy_array(prefix: str, array: Any, skip: Sequence[bool], columns: int, dtype: Any,
               call: Callable[..., Any], *args: Any) -> Any:
    """A dask array of the chunks' answers (zeros for a skipped chunk), with
    the delayed messages of its chunks in order as `_gmath_messages`."""
    import dask.array as da

    parts, graph = part_tasks(prefix, array, skip, call, *args)
    name, messages = parts + "-value", parts + "-messages"
    for i, rows in enumerate(array.chunks[0]):
        key = (name, i) if columns == 0 else (name, i, 0)
        if skip[i]:
            shape = (rows,) if columns == 0 else (rows, columns)
            graph[key] = (np.zeros, shape, dtype)
        else:
            graph[key] = (value_of, (parts, i))
            graph[(messages, i)] = (messages_of, (parts, i))
    chunks = (array.chunks[0],) if columns == 0 else (array.chunks[0], (columns,))
    result = da.Array(HighLevelGraph.from_collections(name, graph, dependencies=[array]),
                      name, chunks, dtype=dtype)
    in_order = [(messages, i) for i in range(len(skip)) if not skip[i]]
    gathered = messages + "-all"
    # Kept on the array itself: an array derived from it computes without them.
    result._gmath_messages = Delayed(  # type: ignore[attr-defined]
        gathered, HighLevelGraph.from_collections(gathered, {gathered: (tuple, in_order)},
                                                  dependencies=[result]))
    return result


def computed_parts(prefix: str, array: Any, skip: Sequence[bool],
                   call: Callable[..., Any], *args: Any) -> List[Any]:
    """The Parts of call(*args, block, first row) of the chunks not skipped,
    in chunk order, on the client."""
    import dask

    parts, graph = part_tasks(prefix, array, skip, call, *args, with_offset=True)
    layered = HighLevelGraph.from_collections(parts, graph, dependencies=[array])
    return list(dask.compute(*[Delayed(key, layered, layer=parts) for key in graph]))
