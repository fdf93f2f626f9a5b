// Calls into the platform that may fault on damaged input, made so that a fault ends the call
// instead of the program.
//
// Wine's icon reader, for one, reads a file through a mapped view without checking its offsets
// against the file's size, and faults on a partial download. Inside a list box's painting Wine
// swallows such a fault and stops painting; elsewhere the process dies. A frame-based handler
// would come after Wine's own, so the guard is a vectored handler, which sees the fault first,
// and jumps back to the guarded call without unwinding the platform's frames in between
// (MinGW has no __try, and unwinding through frames that were never built for it is unsafe).
#include "fault_guard.h"

#include <windows.h>

namespace {

bool IsMemoryFault(DWORD code) {
    return code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_IN_PAGE_ERROR;
}

} // namespace

#if defined(_MSC_VER)

// Visual C++ has frame-based handlers of its own, and a frame around the call comes before any
// handler of the platform's above it.
bool CallGuarded(void (*call)(void* context) noexcept, void* context) {
    __try {
        call(context);
        return true;
    } __except (IsMemoryFault(GetExceptionCode()) ? EXCEPTION_EXECUTE_HANDLER
                                                  : EXCEPTION_CONTINUE_SEARCH) {
        return false;
    }
}

#else

namespace {

// One guarded call under way. The jump buffer is the one __builtin_setjmp fills: five words.
struct GuardFrame {
    void* jump[5];
    DWORD thread;
    GuardFrame* outer; // the guard this one is nested in, or none
    // Handlers of frames on the stack can also be linked into a chain headed in the thread's
    // information block: always on i686, and on x86-64 by the parts of Wine built with GCC, for
    // the platform's own fault handling. The jump abandons the frames that the faulting call
    // had linked in, so the head is put back as it was when the guard began.
    void* handlerChain;
};

// The innermost guard under way. The program has one thread; the thread is still checked, so
// that a fault on another thread is never taken for one inside the guarded call.
GuardFrame* innermost = nullptr;

LONG CALLBACK TakeGuardedFault(EXCEPTION_POINTERS* fault) {
    GuardFrame* const frame = innermost;
    if (!frame || frame->thread != GetCurrentThreadId() ||
        !IsMemoryFault(fault->ExceptionRecord->ExceptionCode))
        return EXCEPTION_CONTINUE_SEARCH;
    __builtin_longjmp(frame->jump, 1);
}

// Installed once, first in line, for the life of the process: it acts only while a guarded call
// runs. Removing a handler that was left by a jump would not free it, so it is never removed.
void InstallHandler() {
    static const bool installed = AddVectoredExceptionHandler(1, TakeGuardedFault) != nullptr;
    (void)installed;
}

// The head of the chain is the first word of the thread's information block.
void* HandlerChainHead() {
    void* head;
#if defined(__i386__)
    __asm__ volatile("movl %%fs:0, %0" : "=r"(head));
#else
    __asm__ volatile("movq %%gs:0, %0" : "=r"(head));
#endif
    return head;
}

void SetHandlerChainHead(void* head) {
#if defined(__i386__)
    __asm__ volatile("movl %0, %%fs:0" : : "r"(head) : "memory");
#else
    __asm__ volatile("movq %0, %%gs:0" : : "r"(head) : "memory");
#endif
}

} // namespace

bool CallGuarded(void (*call)(void* context) noexcept, void* context) {
    InstallHandler();
    GuardFrame frame{};
    frame.thread = GetCurrentThreadId();
    frame.outer = innermost;
    frame.handlerChain = HandlerChainHead();
    innermost = &frame;
    // After the jump only what is in memory is trusted: frame is, since its address is held.
    if (__builtin_setjmp(frame.jump)) {
        SetHandlerChainHead(frame.handlerChain);
        innermost = frame.outer;
        return false;
    }
    call(context);
    innermost = frame.outer;
    return true;
}

#endif
