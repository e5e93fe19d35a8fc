// ComPtr releases exactly the reference it was handed, whatever path is taken.
#include "platform/win32/scoped_handles.h"

#include <gtest/gtest.h>

namespace tessaly::win32 {
namespace {

class CountedObject : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;  // the one handed over
};

TEST(ComPtr, ReleasesTheReferenceItHoldsWhenRefilledOrDestroyed) {
    CountedObject first, second;
    {
        ComPtr<IUnknown> pointer;
        *pointer.put() = &first;
        *pointer.put() = &second;  // refilling releases the first
        EXPECT_EQ(first.references, 0u);
        EXPECT_EQ(second.references, 1u);
    }
    EXPECT_EQ(second.references, 0u);
}

}  // namespace
}  // namespace tessaly::win32
