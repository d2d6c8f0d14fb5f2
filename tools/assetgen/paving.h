// The shop's forecourt: square paving slabs.
#pragma once

#include "image.h"

namespace assetgen {

inline constexpr int kPavingSize = 128;
inline constexpr int kSlabSize = 32;

// Four by four slabs with grout between them; tiles without seams.
Image MakeShopFloor();

}  // namespace assetgen
