// The guard around calls that may fault: a fault ends the call, the program goes on, and nothing
// of the abandoned call is left in the way.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "../../app/fault_guard.h"

namespace {

// A page that no one may read or write: every access to it faults.
const volatile char* Nowhere() {
    static void* const page = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS);
    return static_cast<const volatile char*>(page);
}

struct Calls {
    int started = 0;
    int finished = 0;
};

void Returns(void* context) noexcept {
    auto* calls = static_cast<Calls*>(context);
    ++calls->started;
    ++calls->finished;
}

void ReadsNowhere(void* context) noexcept {
    auto* calls = static_cast<Calls*>(context);
    ++calls->started;
    calls->finished += *Nowhere();
    ++calls->finished;
}

void WritesReadOnlyMemory(void* context) noexcept {
    auto* calls = static_cast<Calls*>(context);
    ++calls->started;
    // The program's own code is mapped read-only.
    auto* code = reinterpret_cast<volatile char*>(GetModuleHandleA(nullptr));
    *code = 0;
    ++calls->finished;
}

// A platform function that catches the fault itself, inside the guarded call: the guard sees it
// first and takes it.
void AsksThePlatformToReadNowhere(void* context) noexcept {
    auto* calls = static_cast<Calls*>(context);
    ++calls->started;
    IsBadReadPtr(const_cast<const char*>(Nowhere()), 1);
    ++calls->finished;
}

struct GuardCase {
    const char* what;
    void (*call)(void*) noexcept;
    bool returns;
};

TEST(FaultGuard, AFaultEndsTheCallAndNothingElse) {
    const GuardCase cases[] = {
        {"a call that returns", Returns, true},
        {"a read where no memory is", ReadsNowhere, false},
        {"a write to read-only memory", WritesReadOnlyMemory, false},
        {"a fault that a platform function would catch itself", AsksThePlatformToReadNowhere,
         false},
    };
    for (const GuardCase& c : cases) {
        SCOPED_TRACE(c.what);
        Calls calls;
        EXPECT_EQ(CallGuarded(c.call, &calls), c.returns);
        EXPECT_EQ(calls.started, 1);
        EXPECT_EQ(calls.finished, c.returns ? 1 : 0);
    }
    // With no guard under way, the platform's own handling is untouched.
    EXPECT_TRUE(IsBadReadPtr(const_cast<const char*>(Nowhere()), 1));
}

struct Nesting {
    Calls inner;
    bool innerReturned = true;
    bool faultAfterInner = false;
};

void GuardsAnInnerCall(void* context) noexcept {
    auto* nesting = static_cast<Nesting*>(context);
    nesting->innerReturned = CallGuarded(ReadsNowhere, &nesting->inner);
    if (nesting->faultAfterInner) static_cast<void>(*Nowhere());
}

TEST(FaultGuard, ANestedFaultIsTakenByTheInnermostGuard) {
    Nesting nesting;
    EXPECT_TRUE(CallGuarded(GuardsAnInnerCall, &nesting));
    EXPECT_FALSE(nesting.innerReturned);

    // Once the inner guard is over, a fault belongs to the outer one.
    nesting = Nesting{};
    nesting.faultAfterInner = true;
    EXPECT_FALSE(CallGuarded(GuardsAnInnerCall, &nesting));
    EXPECT_FALSE(nesting.innerReturned);
}

TEST(FaultGuard, ThousandFaultsInARowLeaveTheThreadWorking) {
    for (int i = 0; i < 1000; ++i) {
        Calls calls;
        ASSERT_FALSE(CallGuarded(AsksThePlatformToReadNowhere, &calls)) << "fault " << i;
    }
    // Exceptions raised and handled afterwards find their handlers.
    EXPECT_TRUE(IsBadReadPtr(const_cast<const char*>(Nowhere()), 1));
    bool caught = false;
    try {
        throw 1;
    } catch (int) {
        caught = true;
    }
    EXPECT_TRUE(caught);
}

// GCC 12 takes the segment-relative read inside NtCurrentTeb for an access to an empty array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
const void* HandlerChainHead() {
    return reinterpret_cast<const NT_TIB*>(NtCurrentTeb())->ExceptionList;
}
#pragma GCC diagnostic pop

// A platform function that catches faults itself can link a handler of its frame into the
// thread's chain of handlers (on i686 always, on x86-64 in Wine); the abandoned call's handler
// must not stay in the chain, where the next exception would look for it. Handlers that belong
// to frames still on the stack lie above this test's own frame; the abandoned call's lay below.
TEST(FaultGuard, AnAbandonedCallLeavesNoHandlerInTheChain) {
    const char here = 0;
    Calls calls;
    ASSERT_FALSE(CallGuarded(AsksThePlatformToReadNowhere, &calls));
    const auto head = reinterpret_cast<std::uintptr_t>(HandlerChainHead());
    const auto endOfChain = ~std::uintptr_t{0};
    if (head != 0 && head != endOfChain) {
        EXPECT_GT(head, reinterpret_cast<std::uintptr_t>(&here)) << "a handler below this frame";
    }
}

} // namespace
