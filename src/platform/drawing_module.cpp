// Finds the drawing functions in the drawing module of the installation
// layout, loading it on first use.
#include <dlfcn.h>

#include <cstdio>
#include <mutex>

#include "platform/drawing.h"
#include "platform/install_layout.h"

const DrawingFunctions* drawing() {
  static const DrawingFunctions* functions = nullptr;
  static std::once_flag once;
  std::call_once(once, [] {
    void* module = dlopen((moduleFolder() + "zorvane-layers.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      // Frames and text cannot be drawn without it: say why, once.
      fprintf(stderr, "zorvane: %s\n", dlerror());
      return;
    }
    auto table = reinterpret_cast<const DrawingFunctions* (*)()>(dlsym(module, "zorvaneDrawingFunctions"));
    if (table) functions = table();
  });
  return functions;
}
