"""The worker side of each operation: plain Python functions, which pickle
by name where the extension's functions do not."""

from typing import Any, Dict

import numpy as np

import gmath


def flags(operation: str, volume: Any, block: np.ndarray) -> np.ndarray:
    return getattr(gmath, operation)(volume, block)


def hits(operation: str, volume: Any, block: np.ndarray, offset: int) -> np.ndarray:
    return getattr(gmath, operation)(volume, block) + np.int64(offset)


def transformed(operation: str, transform: Any, options: Dict[str, bool],
                block: np.ndarray) -> np.ndarray:
    return getattr(gmath, operation)(transform, block, **options)


def build_index(block: np.ndarray, offset: int) -> Any:
    return gmath.BoxIndex(block, np.arange(offset, offset + len(block), dtype=np.int64))


def query_index(index: Any, volume: Any) -> np.ndarray:
    return index.value.query(volume)


def first_hits(index: Any, bore: Any, count: int) -> Any:
    return index.value.first_hits(bore, count)
