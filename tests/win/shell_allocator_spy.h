// A stand-in for the shell allocator's seam: hands every call to the shell's own allocator, counts
// what the program asks of it, and can refuse allocations.
#pragma once

#include <windows.h>

#include <objidl.h>

struct AllocatorCounts {
    int obtained;  // allocators handed out
    int allocated; // blocks handed out
    int freed;     // blocks and item lists given back (null ones not counted)
    int released;  // allocators given back
};

// Resets the counts; failAlloc makes every Alloc give nothing.
void ResetAllocatorSpy(bool failAlloc);
AllocatorCounts AllocatorSpyCounts();

// The seam: the shell's allocator, wrapped.
HRESULT WINAPI SpyShGetMalloc(IMalloc** allocator);
