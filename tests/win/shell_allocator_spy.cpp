// A stand-in for the shell allocator's seam that counts and can refuse allocations.
#include "shell_allocator_spy.h"

#include <shlobj.h>

namespace {

AllocatorCounts counts{};
bool refuse = false;

class SpyMalloc : public IMalloc {
  public:
    IMalloc* real = nullptr;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IMalloc) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return real->AddRef();
    }
    ULONG STDMETHODCALLTYPE Release() override {
        ++counts.released;
        return real->Release();
    }
    void* STDMETHODCALLTYPE Alloc(SIZE_T size) override {
        if (refuse) return nullptr;
        ++counts.allocated;
        return real->Alloc(size);
    }
    void* STDMETHODCALLTYPE Realloc(void* block, SIZE_T size) override {
        return real->Realloc(block, size);
    }
    void STDMETHODCALLTYPE Free(void* block) override {
        if (block) ++counts.freed;
        real->Free(block);
    }
    SIZE_T STDMETHODCALLTYPE GetSize(void* block) override {
        return real->GetSize(block);
    }
    int STDMETHODCALLTYPE DidAlloc(void* block) override {
        return real->DidAlloc(block);
    }
    void STDMETHODCALLTYPE HeapMinimize() override {
        real->HeapMinimize();
    }
};

SpyMalloc spy;

} // namespace

void ResetAllocatorSpy(bool failAlloc) {
    counts = AllocatorCounts{};
    refuse = failAlloc;
}

AllocatorCounts AllocatorSpyCounts() {
    return counts;
}

HRESULT WINAPI SpyShGetMalloc(IMalloc** allocator) {
    *allocator = nullptr;
    const HRESULT result = SHGetMalloc(&spy.real);
    if (result != S_OK) return result;
    ++counts.obtained;
    *allocator = &spy;
    return S_OK;
}
