"""What a task runs on a worker: one gmath call over one chunk, under the
tolerances the client had when it built the graph, with the messages the
call reported kept for the client."""

from typing import Any, Callable, NamedTuple, Sequence, Tuple

from .. import _messages
from ._gate import Tolerances, gate


class Part(NamedTuple):
    """A chunk's answer and the messages the library reported computing it."""
    value: Any
    messages: Tuple[str, ...]


def run(call: Callable[..., Any], tolerances: Tolerances, chunk: int, *args: Any) -> Part:
    """call(*args) for chunk `chunk`; an error names the chunk in a note."""
    try:
        with _messages.diverted_messages() as messages, gate.holding(tolerances):
            value = call(*args)
    except Exception as error:
        error.add_note(f"gmath.dask: raised by chunk {chunk}")
        raise
    return Part(value, tuple(messages))


def value_of(part: Part) -> Any:
    return part.value


def messages_of(part: Part) -> Tuple[str, ...]:
    return part.messages


def emit(messages_by_chunk: Sequence[Sequence[str]]) -> None:
    """Reports the chunks' messages on the client, in chunk order."""
    for messages in messages_by_chunk:
        for message in messages:
            _messages._on_message(message)
