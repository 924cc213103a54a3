#ifndef GMATH_INDEX_H
#define GMATH_INDEX_H

/// \file
/// The box index: a static bounding-volume tree over an array of boxes, queried by boxes and
/// volumes with the same answers as a scan.

#include <cstdint>

#include "gmath/core3d/box.h"
#include "gmath/export.h"
#include "gmath/volumes/bore_cone.h"
#include "gmath/volumes/bore_line.h"
#include "gmath/volumes/clip_volume.h"
#include "gmath/volumes/pt_fence.h"
#include "gmath/volumes/pt_frustum.h"
#include "gmath/volumes/rt_prism.h"

// ---------------------------------------------------------------------------
// Box index
// ---------------------------------------------------------------------------

/// A static bounding-volume index over an array of boxes, each with the
/// caller's 64-bit id. Built once, never changed, and safe to query from any
/// number of threads at once. A query answers exactly what a scan of every
/// box with the library's own test answers, under the tolerances of the
/// moment of the query:
///
///   GBox q          boxes b with (q & b) not null
///   GBoreLine       bore && b
///   GClipVolume     volume && b
///   GPtFence        fence && b
///   GBoreCone, GPtFrustum, GRtPrism   have no overlap test: the boxes b with
///                   (range & b) not null, range = BoreConeRange(cone) etc.
///
/// Every box is kept, null, inverted and NaN ones too: boxes that a subtree
/// bound cannot stand for (a coordinate NaN, infinite or beyond 2^120, low
/// above high on an axis) are tested one by one at every query. A query
/// holding a NaN or infinite number is answered by testing every box.
///
/// Result codes: 0 done, 2 a rejected argument, 3 not enough memory, 4 a file
/// that is not an index of this version or is damaged (with a message), 5 a
/// file that cannot be opened, read or written.
typedef struct tagGBoxIndex GBoxIndex;

/// The result codes of the index calls.
enum : long {
  /// The call did what it was asked.
  kBoxIndexOk = 0,
  /// An argument was rejected (a null pointer where an array or index is needed).
  kBoxIndexBadArgument = 2,
  /// Memory ran out; nothing was built or read.
  kBoxIndexNoMemory = 3,
  /// The file is no index of this version, or is damaged; a message says which.
  kBoxIndexBadFile = 4,
  /// The file could not be opened, read or written.
  kBoxIndexFileError = 5
};

/// A box hit by a bore line and the depth at which the bore enters it: the
/// smaller of the depths of the box's low and high corners, grown by the
/// bore's radius, the stretch that bore & box cuts.
typedef struct tagGBoxIndexHit {
  /// The depth along the bore at which it enters the box.
  double m_depth;
  /// The caller's id of the box.
  std::uint64_t m_id;
} GBoxIndexHit;

/// Called with each id found; a return of 0 stops the query.
typedef int (*GBoxIndexVisitor)(std::uint64_t id, void* context);

/// Builds the index of count boxes; ids[i] is the id of boxes[i], or i itself
/// when ids is null. *index is the new index (null on failure). 2 for a null
/// index pointer or null boxes with a count above 0, 3 when memory runs out.
GMATH_API long BuildBoxIndex(const GBox* boxes, const std::uint64_t* ids, std::uint64_t count,
                             GBoxIndex** index);
/// Frees an index; null is ignored.
GMATH_API void FreeBoxIndex(GBoxIndex* index);
/// The number of boxes the index holds (0 for null).
GMATH_API std::uint64_t BoxIndexCount(const GBoxIndex* index);

///@{
/// The ids of the boxes the volume selects, ascending: the smallest
/// min(capacity, total) of them are written to ids, and the total is
/// returned. Capacity 0 (ids may then be null) asks for the size alone. A null
/// index reports "GBoxIndex: NULL pointer" and answers 0.
GMATH_API std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GBox& box,
                                      std::uint64_t* ids, std::uint64_t capacity);
GMATH_API std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GBoreLine& bore,
                                      std::uint64_t* ids, std::uint64_t capacity);
GMATH_API std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GClipVolume& volume,
                                      std::uint64_t* ids, std::uint64_t capacity);
GMATH_API std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GPtFence& fence,
                                      std::uint64_t* ids, std::uint64_t capacity);
GMATH_API std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GBoreCone& cone,
                                      std::uint64_t* ids, std::uint64_t capacity);
GMATH_API std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GPtFrustum& frustum,
                                      std::uint64_t* ids, std::uint64_t capacity);
GMATH_API std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GRtPrism& prism,
                                      std::uint64_t* ids, std::uint64_t capacity);
///@}

///@{
/// The same selections handed to visitor one id at a time, in no particular
/// order, until it returns 0. Returns the number of ids handed over.
GMATH_API std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GBox& box,
                                      GBoxIndexVisitor visitor, void* context);
GMATH_API std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GBoreLine& bore,
                                      GBoxIndexVisitor visitor, void* context);
GMATH_API std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GClipVolume& volume,
                                      GBoxIndexVisitor visitor, void* context);
GMATH_API std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GPtFence& fence,
                                      GBoxIndexVisitor visitor, void* context);
GMATH_API std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GBoreCone& cone,
                                      GBoxIndexVisitor visitor, void* context);
GMATH_API std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GPtFrustum& frustum,
                                      GBoxIndexVisitor visitor, void* context);
GMATH_API std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GRtPrism& prism,
                                      GBoxIndexVisitor visitor, void* context);
///@}

/// The boxes bore && box selects, nearest first: by entry depth, then id (a
/// NaN depth after every number). The first min(capacity, total) are written
/// to hits and the total is returned.
GMATH_API std::uint64_t FirstBoxIndexHits(const GBoxIndex* index, const GBoreLine& bore,
                                          GBoxIndexHit* hits, std::uint64_t capacity);

/// The entry depth FirstBoxIndexHits orders by (NaN when the bore misses).
GMATH_API double BoxIndexEntryDepth(const GBoreLine& bore, const GBox& box);

/// Writes the index to path (UTF-8) by way of a new file in the same folder
/// renamed over it, flushed to the disk first, so that a crash leaves the
/// old file or the new one, never a torn one. 0, 2 (a null argument) or 5.
GMATH_API long WriteBoxIndex(const GBoxIndex* index, const char* path);
/// Reads an index written by WriteBoxIndex into memory (no mapping: the
/// boxes are decoded and the bounds above them recomputed in one linear
/// pass, without the build's sort). The file is checked whole before use; a file of another kind or version, damaged, or crafted so that the
/// index would answer other than a scan, is refused with code 4 and a
/// message naming what is wrong. 0, 2, 3, 4 or 5; *index is null on failure.
GMATH_API long ReadBoxIndex(const char* path, GBoxIndex** index);
/// The same from size bytes in memory.
GMATH_API long ReadBoxIndexFromMemory(const void* data, std::uint64_t size, GBoxIndex** index);

#endif
