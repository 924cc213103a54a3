#include "batch_arrays.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace gmath_py {
namespace {

using Doubles = py::array_t<double, py::array::c_style | py::array::forcecast>;

Doubles AsDoubles(const py::handle& values, const char* what, const char* shape) {
  Doubles array = Doubles::ensure(values);
  if (!array) throw py::value_error(std::string(what) + " must be a float64 " + shape + " array");
  return array;
}

std::string ShapeText(const Doubles& array) {
  std::string text = "(";
  for (py::ssize_t i = 0; i < array.ndim(); ++i)
    text += (i ? ", " : "") + std::to_string(array.shape(i));
  return text + (array.ndim() == 1 ? ",)" : ")");
}

// Slices [first, last) of a run, each done with this thread's messages kept.
struct Part {
  std::size_t first;
  std::size_t last;
  std::vector<std::string> messages;
};

std::size_t SliceEnd(std::size_t slice, std::size_t count) {
  return std::min(count, (slice + 1) * kSliceRows);
}

// One thread: the GIL back after each slice for the messages and signals.
void RunOnThisThread(std::size_t count, const std::function<void(std::size_t, std::size_t)>& work) {
  std::vector<std::string> messages;
  for (std::size_t begin = 0; begin < count; begin += kSliceRows) {
    {
      py::gil_scoped_release release;
      MessageDiversion divert(&messages);
      work(begin, std::min(count, begin + kSliceRows));
    }
    Deliver(messages);
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
  }
}

// The helper threads of one call; leaving stops and joins them, so that an
// error (a thread that cannot start) never leaves one running.
struct Workers {
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable finished;
  std::size_t running = 0;
  std::vector<std::thread> threads;

  ~Workers() {
    stop = true;
    for (std::thread& thread : threads) thread.join();
  }
  void Start(Part& run, std::size_t count,
             const std::function<void(std::size_t, std::size_t)>& work) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      ++running;
    }
    threads.emplace_back([this, &run, &work, count] {
      MessageDiversion divert(&run.messages);
      for (std::size_t s = run.first; s < run.last && !stop; ++s)
        work(s * kSliceRows, SliceEnd(s, count));
      std::lock_guard<std::mutex> lock(mutex);
      if (--running == 0) finished.notify_one();
    });
  }
  // Waits for the threads, looking at signals every 20 ms (taking the GIL
  // for that); whether a signal handler raised.
  bool Wait() {
    std::unique_lock<std::mutex> lock(mutex);
    while (
        !finished.wait_for(lock, std::chrono::milliseconds(20), [this] { return running == 0; })) {
      lock.unlock();
      py::gil_scoped_acquire gil;
      if (PyErr_CheckSignals() != 0) return true;
      lock.lock();
    }
    return false;
  }
};

// Several threads, this one waiting; the parts' messages are handed over in
// part order at the end.
void RunOnThreads(std::size_t count, std::size_t parts,
                  const std::function<void(std::size_t, std::size_t)>& work) {
  const std::size_t slices = (count + kSliceRows - 1) / kSliceRows;
  std::vector<Part> runs(parts);
  for (std::size_t i = 0; i < parts; ++i)
    runs[i] = {slices * i / parts, slices * (i + 1) / parts, {}};
  bool interrupted = false;
  {
    py::gil_scoped_release release;
    Workers workers;
    for (Part& run : runs) workers.Start(run, count, work);
    interrupted = workers.Wait();
  }
  if (interrupted) {
    py::error_already_set error;
    for (Part& run : runs) Deliver(run.messages);
    throw error;
  }
  for (Part& run : runs) Deliver(run.messages);
}

}  // namespace

Rows<GBox> BoxRows(const py::handle& boxes) {
  Rows<GBox> rows{AsDoubles(boxes, "boxes", "(n, 6) or (n, 2, 3)")};
  const Doubles& a = rows.array;
  const bool flat = a.ndim() == 2 && a.shape(1) == 6;
  const bool corners = a.ndim() == 3 && a.shape(1) == 2 && a.shape(2) == 3;
  if (!flat && !corners)
    throw py::value_error("boxes must be an (n, 6) or (n, 2, 3) array, not " + ShapeText(a));
  rows.count = static_cast<std::size_t>(a.shape(0));
  return rows;
}

template <class T>
Rows<T> PointRows(const py::handle& points, const char* what) {
  Rows<T> rows{AsDoubles(points, what, "(n, 3)")};
  const Doubles& a = rows.array;
  if (a.ndim() != 2 || a.shape(1) != 3)
    throw py::value_error(std::string(what) + " must be an (n, 3) array, not " + ShapeText(a));
  rows.count = static_cast<std::size_t>(a.shape(0));
  return rows;
}

template Rows<GPosition> PointRows(const py::handle&, const char*);
template Rows<GVector> PointRows(const py::handle&, const char*);

py::array_t<double> SameShape(const py::array& like) {
  return py::array_t<double>(std::vector<py::ssize_t>(like.shape(), like.shape() + like.ndim()));
}

int CheckedThreads(int threads) {
  if (threads < 1) throw py::value_error("threads must be at least 1");
  return threads;
}

void RunSliced(std::size_t count, int threads,
               const std::function<void(std::size_t, std::size_t)>& work) {
  const std::size_t slices = (count + kSliceRows - 1) / kSliceRows;
  const std::size_t parts = std::min(slices, static_cast<std::size_t>(CheckedThreads(threads)));
  const SharedTolerances tolerances;
  if (parts <= 1)
    RunOnThisThread(count, work);
  else
    RunOnThreads(count, parts, work);
}

}  // namespace gmath_py
