"""The library's messages, sent to the ``gmath`` logger and to capture blocks."""

import contextlib
import logging
from typing import Iterator, List

from . import _gmath

logger = logging.getLogger("gmath")
_captures: List[List[str]] = []


def _on_message(message: str) -> None:
    logger.warning("%s", message)
    for messages in _captures:
        messages.append(message)


@contextlib.contextmanager
def capture_messages() -> Iterator[List[str]]:
    """Collects, in a list, every message the library reports inside the block.

    The messages still go to the ``gmath`` logger. Capturing is process-wide:
    messages reported by other threads during the block are collected too.
    """
    messages: List[str] = []
    _captures.append(messages)
    try:
        yield messages
    finally:
        _captures.remove(messages)


_gmath._set_message_handler(_on_message)
