// Conversion between LISP values and result-buffer chains, as arguments reach an external function
// and as its result comes back.
#pragma once
#include <vector>

#include "db/adsdef.h"
#include "lisp/value.h"

namespace lisp {

// The second word of a selection set's name (RTPICKS), which the editor gives every set.
constexpr Adesk::LongPtr kPicksetNameTag = 0x55ED;

// One value as result buffers appended to a chain: lists of two or three numbers become points,
// other lists RTLB … RTLE (a dotted pair ends with RTDOTE before its last value), nil RTNIL, T RTT,
// integers RTSHORT or RTLONG by range.
void appendValueToChain(const ValuePtr& value, std::vector<resbuf*>& chain);
// The argument chain of a call (null for no arguments); the caller releases it with acutRelRb.
resbuf* valuesToChain(const std::vector<ValuePtr>& values);
// The values a chain holds, in order. Throws LispError on an unbalanced chain.
std::vector<ValuePtr> chainToValues(const resbuf* chain);
// A whole chain read as the elements of one list (what acedRetList gives back).
ValuePtr chainToList(const resbuf* chain);

}  // namespace lisp
