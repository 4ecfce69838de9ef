#pragma once

#include "Automation.h"

#include <memory>

namespace spreadsheet {
class Worksheet;
}

namespace chart::automation {

// The automation view of one engine worksheet, for code that holds the
// engine's sheet itself (tests, benchmarks, the command-line program).
std::unique_ptr<Worksheet> wrapEngineWorksheet(spreadsheet::Worksheet& sheet);

} // namespace chart::automation
