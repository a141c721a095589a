#pragma once
#include "platform/Errors.h"
#include "platform/Messages.h"

// Runs a button's work; a user-facing error ends it with its message, as everywhere in the program.
template <typename Work>
void RunGuarded(Work work)
{
    try {
        work();
    } catch (const ZunError& e) {
        Warn(e.Text());
    }
}
