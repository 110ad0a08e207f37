// The sections that make up tubewise-cli, in report order.
#pragma once

#include <memory>
#include <vector>

#include "cli/Section.h"

namespace tubewise::cli {

std::vector<std::unique_ptr<Section>> MakeSections();

}  // namespace tubewise::cli
