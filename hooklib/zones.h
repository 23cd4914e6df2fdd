// The two zone tests of the hooks, on the shared words. Both zones are
// inclusive at all four edges; the sums wrap as 32-bit values do.
#ifndef KORV_ZONES_H
#define KORV_ZONES_H

#include "hooklib/HookSharedState.h"

inline LONG korvAdd32(LONG a, LONG b) { return (LONG)((ULONG)a + (ULONG)b); }

inline bool InButtonZone(const HookSharedState& s, LONG x, LONG y)
{
    return s.btnLeft <= x && x <= korvAdd32(s.btnLeft, s.btnHalfWidth) &&
           s.btnTop <= y && y <= korvAdd32(s.btnTop, s.btnHeight);
}

inline bool OutsideTreeZone(const HookSharedState& s, LONG x, LONG y)
{
    return x > korvAdd32(s.treeLeft, s.treeWidth) || x < s.treeLeft ||
           y < s.treeTop || y > korvAdd32(s.treeTop, s.treeHeight);
}

#endif
