#pragma once

#include <glib-object.h>

#include <memory>

namespace spreadsheet::xls {

// A libgsf (GObject) object, released when its owner goes.
struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GsfPtr = std::unique_ptr<T, GObjectUnref>;

// libgsf is set up once, before its first use, whoever uses it first.
void initialiseGsf();

} // namespace spreadsheet::xls
