#pragma once
#include <cstdint>

#include "framework/objects/TypInfo.h"

class TStream;

// Object blobs of object-valued properties:
//   32 bytes  class name of the carried object, NUL-terminated and zero-filled,
//             or "EMPTY" for an empty picture, graphic or string list;
//    2 bytes  the mark "03";
//   the rest  (not for "EMPTY") the object stream of a `TCarrier` carrying the object.
// Pictures, graphics, string lists, fonts and components have blobs; other
// objects and nil have none.

constexpr size_t BlobNameFieldSize = 32;
constexpr const char* BlobEmptyName = "EMPTY";
constexpr const char* BlobMark = "03";

// Appends the blob of an object-valued property and returns the stream's
// size afterwards (unchanged when the object has no blob), or -1 when
// streaming failed. A property of another kind writes nothing and gives 0.
int64_t WriteObjectProp(TObject& Instance, const TPropInfo& Prop, TStream& Stream);

// Applies a blob read from the stream's position to the property's current
// object when the stored class name equals the object's own. Damaged or cut
// blobs leave the object as far as it was read; nothing is thrown. Returns
// false when reading failed part way, so a caller can fall back to a default.
bool ReadObjectProp(TObject& Instance, const TPropInfo& Prop, TStream& Stream);
