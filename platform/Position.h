#pragma once
// An opaque place in a list or map, valid while the element it names stays in the collection.
// Null means "no element" (the end of an iteration).
struct ZelPositionTag;
typedef ZelPositionTag* POSITION;
