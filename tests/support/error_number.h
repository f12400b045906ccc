#pragma once
#include <functional>

#include "app/platform/runtime_error.h"

// The number of the RuntimeError `action` throws; 0 when it throws none.
inline int errorNumberOf(const std::function<void()>& action) try {
  action();
  return 0;
} catch (const RuntimeError& e) {
  return e.number();
}
