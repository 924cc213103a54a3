"""The numpy calls against their references, measured in one run:

* gmath.overlaps(clip volume, 10^6 boxes) against the bare C++ batch call
  on the same array (gmath._gmath._bare_batch_overlap: one GBatchOverlap
  call into flags allocated beforehand, without slices or the GIL; its
  binding costs about a microsecond) and against the fastest pure-numpy
  form of the same test, all on this one thread;
* threads=2 against threads=1 on 10^7 boxes, for a fence and a clip volume;
* the scalar call's cost, by running overlaps_call.py.

The machine may be shared: each figure is the median of interleaved
repetitions, and the one-thread comparisons count this thread's CPU time
(time.thread_time), so that another process taking the core does not
count; the threads comparison is wall time. numpy's BLAS runs on one
thread, as gmath does unless asked.
Run with the environment's interpreter: build/venv/bin/python THIS_FILE.
"""

import os

os.environ.setdefault("OPENBLAS_NUM_THREADS", "1")
os.environ.setdefault("OMP_NUM_THREADS", "1")

import pathlib  # noqa: E402
import statistics  # noqa: E402
import subprocess  # noqa: E402
import sys  # noqa: E402
import time  # noqa: E402

import numpy as np  # noqa: E402

import gmath  # noqa: E402

REPEATS = int(os.environ.get("GMATH_BENCH_REPEATS", "11"))


def random_boxes(n, seed=0):
    rng = np.random.default_rng(seed)
    low = rng.uniform(-10.0, 10.0, (n, 3))
    return np.hstack([low, low + rng.uniform(0.0, 1.0, (n, 3))])


def tilted_planes():
    """Six planes of a rotated cube of half-width 5: rows (a, b, c, d), a*x+b*y+c*z+d >= 0."""
    r = np.asarray(gmath.rotate_transf(0.4, gmath.build_unit_vector(1.0, 2.0, 3.0)).matrix.rows)
    normals = np.vstack([r, -r])
    return np.hstack([normals, np.full((6, 1), 5.0)])


def numpy_matmul(planes, boxes, tol):
    """The clip volume's box test (ClipVolume.overlaps): for each normalized
    plane, the box corner farthest along its normal, rejected when it is
    finite and more than tol outside. The corners' distances as one matrix
    product."""
    norm = np.sqrt((planes[:, :3] ** 2).sum(axis=1))
    n = planes[:, :3] / norm[:, None]
    q = -(planes[:, 3] / norm)[:, None] * n
    weights = np.zeros((6, len(planes)))
    for k, normal in enumerate(n):
        for axis in range(3):
            weights[axis + (3 if normal[axis] > 0 else 0), k] = normal[axis]
    s = boxes @ weights - (q * n).sum(axis=1)
    return ~((s < -tol) & np.isfinite(s)).any(axis=1)


def numpy_columns(planes, boxes, tol):
    """The same test plane by plane on the box columns, the library's
    (corner - q)·n term by term."""
    norm = np.sqrt((planes[:, :3] ** 2).sum(axis=1))
    n = planes[:, :3] / norm[:, None]
    q = -(planes[:, 3] / norm)[:, None] * n
    keep = np.ones(len(boxes), dtype=bool)
    for normal, point in zip(n, q):
        s = np.zeros(len(boxes))
        for axis in range(3):
            corner = boxes[:, axis + (3 if normal[axis] > 0 else 0)]
            s += (corner - point[axis]) * normal[axis]
        keep &= ~((s < -tol) & np.isfinite(s))
    return keep


def medians(calls, clock, repeats=REPEATS):
    """Interleaved repetitions of each call; the median seconds of each."""
    times = {name: [] for name in calls}
    for _ in range(repeats):
        for name, call in calls.items():
            start = clock()
            call()
            times[name].append(clock() - start)
    return {name: statistics.median(values) for name, values in times.items()}


def against_cpp_and_numpy():
    boxes = random_boxes(1_000_000)
    planes = tilted_planes()
    volume = gmath.build_clip_volume(planes)
    tol = gmath.get_distance_tolerance()
    got = gmath.overlaps(volume, boxes)
    for form in (numpy_matmul, numpy_columns):
        differ = int((form(planes, boxes, tol) != got).sum())
        print(f"{form.__name__}: {differ} of {len(boxes)} answers differ from gmath")
    flags = np.zeros(len(boxes), dtype=np.uint8)
    t = medians({
        "c++ GBatchOverlap": lambda: gmath._gmath._bare_batch_overlap(volume, boxes, flags),
        "gmath.overlaps": lambda: gmath.overlaps(volume, boxes),
        "numpy matmul": lambda: numpy_matmul(planes, boxes, tol),
        "numpy columns": lambda: numpy_columns(planes, boxes, tol),
    }, time.thread_time)
    assert (flags.astype(bool) == got).all()
    for name, value in t.items():
        print(f"  {name:20s} {value * 1e3:8.2f} ms")
    best_numpy = min(t["numpy matmul"], t["numpy columns"])
    print(f"10^6 boxes, clip volume ({gmath.batch_simd_path()}): gmath.overlaps / C++ = "
          f"{t['gmath.overlaps'] / t['c++ GBatchOverlap']:.3f} (goal <= 1.1); "
          f"best numpy / gmath.overlaps = {best_numpy / t['gmath.overlaps']:.1f} (goal >= 20)")


def cpu_seconds(call):
    """Wall and process CPU seconds of a call: with two threads, a CPU total
    near one thread's shows the work split cleanly, whatever cores the
    other processes of the machine left free."""
    wall, cpu = time.perf_counter(), time.process_time()
    call()
    return time.perf_counter() - wall, time.process_time() - cpu


def threads():
    boxes = random_boxes(10_000_000, seed=1)
    angles = np.linspace(0.0, 2 * np.pi, 9)[:-1]
    ring = np.column_stack([6 * np.cos(angles), 6 * np.sin(angles), np.zeros(8)])
    fence = gmath.build_pt_fence(np.vstack([ring, ring[:1]]), gmath.UnitVector(0, 0, 1), 4.0, -4.0)
    volume = gmath.build_clip_volume(tilted_planes())
    for name, v in (("fence", fence), ("clip volume", volume)):
        assert (gmath.overlaps(v, boxes, threads=2) == gmath.overlaps(v, boxes)).all()
        t = medians({
            "1 thread": lambda: gmath.overlaps(v, boxes, threads=1),
            "2 threads": lambda: gmath.overlaps(v, boxes, threads=2),
        }, time.perf_counter, repeats=max(3, REPEATS // 2))
        cpu = {k: statistics.median(cpu_seconds(lambda: gmath.overlaps(v, boxes, threads=k))[1]
                                    for _ in range(3)) for k in (1, 2)}
        print(f"10^7 boxes, {name}: 1 thread {t['1 thread'] * 1e3:.1f} ms, 2 threads "
              f"{t['2 threads'] * 1e3:.1f} ms, speed-up {t['1 thread'] / t['2 threads']:.2f} "
              f"(goal >= 1.7); CPU time 2 threads / 1 thread {cpu[2] / cpu[1]:.2f}")


def scalar_call():
    script = pathlib.Path(__file__).with_name("overlaps_call.py")
    out = subprocess.run([sys.executable, str(script)], capture_output=True, text=True, check=True)
    print("scalar call:", out.stdout.strip())


if __name__ == "__main__":
    print(f"{os.cpu_count()} processors, load average {os.getloadavg()[0]:.1f}, "
          f"{REPEATS} repetitions, medians")
    against_cpp_and_numpy()
    threads()
    scalar_call()
    print(f"load average at the end {os.getloadavg()[0]:.1f}")
