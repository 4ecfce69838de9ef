#pragma once

// libgsf reports broken containers as critical warnings before it fails;
// printing thousands of them would only slow a fuzzer's run down.
#include <glib.h>

inline void ignoreGlibLog(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

inline void quietGlib() { g_log_set_default_handler(ignoreGlibLog, nullptr); }
