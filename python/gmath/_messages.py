"""The library's messages, sent to the ``gmath`` logger and to capture blocks."""

import contextlib
import logging
import threading
from typing import Iterator, List

from . import _gmath

logger = logging.getLogger("gmath")
_captures: List[List[str]] = []
_diverted = threading.local()


def _on_message(message: str) -> None:
    diverted = getattr(_diverted, "messages", None)
    if diverted is not None:
        diverted.append(message)
        return
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


@contextlib.contextmanager
def diverted_messages() -> Iterator[List[str]]:
    """Collects the messages the library reports on this thread inside the
    block INSTEAD of reporting them: gmath.dask hands a task's messages to
    the client, where they are reported once, in chunk order."""
    messages: List[str] = []
    outer = getattr(_diverted, "messages", None)
    _diverted.messages = messages
    try:
        yield messages
    finally:
        _diverted.messages = outer


_gmath._set_message_handler(_on_message)
