#pragma once
// The collection classes: arrays, lists and maps with POSITION walks, and their typed-pointer
// wrappers.
#include "platform/Array.h"
#include "platform/List.h"
#include "platform/Map.h"
#include "platform/TypedPtrArray.h"
#include "platform/TypedPtrList.h"
#include "platform/TypedPtrMap.h"
