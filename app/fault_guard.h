// Calls into the platform that may fault on damaged input, made so that a fault ends the call
// instead of the program.
#pragma once

// Runs call(context) and gives true when it returns. When the call faults reading or writing
// memory (an access violation or an in-page error), it is abandoned where it stands and false is
// given: nothing of the abandoned call runs again, and what it had taken and not given back
// stays taken, so the caller gives back what it can find. Any other exception passes on as if
// there were no guard. Calls may be nested; only the innermost guard of the faulting thread acts.
// call must not throw: a guard left by an exception would take faults that are not its own.
bool CallGuarded(void (*call)(void* context) noexcept, void* context);
