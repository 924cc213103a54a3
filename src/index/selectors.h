#ifndef GMATH_INDEX_SELECTORS_H
#define GMATH_INDEX_SELECTORS_H

// A selector answers two questions: may a slot's subtree hold a box the
// volume selects (SlotMask, one bit per slot; it may say yes wrongly but
// never no wrongly), and does the volume select this box (Hits, the
// library's own test). testsEverything turns the pruning off for volumes
// whose numbers a bound cannot be trusted with: every box is then tested.

#include "index/bore_selector.h"
#include "index/box_selector.h"
#include "index/monotone_selectors.h"

#endif
