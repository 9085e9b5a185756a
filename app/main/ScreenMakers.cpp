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

// ---- The drawing palette's board access ----

#include "app/main/BoardDrawing.h"

namespace {
std::function<IBoardDrawing*()>& BoardDrawingMaker()
{
    static std::function<IBoardDrawing*()> maker;
    return maker;
}
}  // namespace

void SetBoardDrawingMaker(std::function<IBoardDrawing*()> maker)
{
    BoardDrawingMaker() = std::move(maker);
}

IBoardDrawing* MakeBoardDrawing()
{
    return BoardDrawingMaker() ? BoardDrawingMaker()() : nullptr;
}
