#include "app/main/ScreenMakers.h"

namespace {
// Set once on the UI thread before the main dialog opens and only read afterwards.
SScreenMakers& Makers()
{
    static SScreenMakers makers;
    return makers;
}
}  // namespace

void SetScreenMakers(const SScreenMakers& makers)
{
    Makers() = makers;
}

const SScreenMakers& GetScreenMakers()
{
    return Makers();
}
