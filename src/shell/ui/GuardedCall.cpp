#include "shell/ui/GuardedCall.h"

#include "shell/ProgramEnd.h"
#include "shell/Startup.h"

#include <exception>

void GuardedCall(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const ProgramEndRequest&) {
        throw;
    } catch (const std::exception& e) {
        ShowEscapedError(e);
    }
}
