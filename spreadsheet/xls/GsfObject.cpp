#include "GsfObject.h"

#include <gsf/gsf-utils.h>

#include <mutex>

namespace spreadsheet::xls {

void initialiseGsf() {
    static std::once_flag initialised;
    std::call_once(initialised, [] { gsf_init(); });
}

} // namespace spreadsheet::xls
