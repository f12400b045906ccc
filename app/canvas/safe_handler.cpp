#include "app/canvas/safe_handler.h"

#include <new>

#include "app/platform/dialogs.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"

namespace {

RuntimeError asRuntimeError(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeError& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return RuntimeError(ErrorNumber::OutOfMemory);
  } catch (...) {
    return RuntimeError(ErrorNumber::InternalError);
  }
}

int errorsCaught = 0;

}  // namespace

int handlerErrorsCaught() {
  return errorsCaught;
}

QString errorBoxText(const std::exception_ptr& error) {
  const RuntimeError e = asRuntimeError(error);
  return e.description() + QStringLiteral(" Nº  ") + numberText(e.number());
}

void runHandler(Dialogs& dialogs, const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (...) {
    ++errorsCaught;
    try {
      dialogs.message(errorBoxText(std::current_exception()), kDefaultTitle, MessageButtons::Ok,
                      MessageIcon::Stop);
    } catch (...) {
      // Not even the box could be shown; the program still goes on.
    }
  }
}
