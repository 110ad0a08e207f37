// Maximum-likelihood MPN by exhaustive search over 10000 candidate densities.
#pragma once

#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/Module1.h"
#include "core/NumberText.h"

namespace tubewise {

enum class SearchEnd {
    Completed,    // the grid was valid and all 10000 candidates were evaluated
    InvalidGrid,  // ValidateGrid refused the grid (its message was sent)
    Fault,        // a conversion failure or floating-point fault ended the search early;
                  // the state holds what was written up to that point
};

SearchEnd EstimateMpn(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                      const MessageSink& tell);

}  // namespace tubewise
