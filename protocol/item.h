#pragma once
// The item model: everything a record layout is built from.

#include "protocol/bit_field.h"
#include "protocol/composite.h"
#include "protocol/invalid.h"
#include "protocol/item_base.h"
#include "protocol/scalar.h"
