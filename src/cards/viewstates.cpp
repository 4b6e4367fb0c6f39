#include "cards/viewstates.h"

namespace {

struct DesignState
{
    WindowSize size;
    const char *cacheEnding;
};

const DesignState kDesignStates[kViewStateCount] = {
    { { 3312.0f, 2172.0f }, "" },
    { { 2254.0f, 2512.0f }, "1" },
    { { 2912.0f, 1854.0f }, "2" },
    { { 2254.0f, 2512.0f }, "3" },
    { { 6924.0f, 4858.0f }, "bg" },
    { { 5058.0f, 6524.0f }, "bg5" },
    { { 6924.0f, 4858.0f }, "bg6" },
    { { 5058.0f, 6524.0f }, "bg7" },
    { { 1900.0f, 1112.0f }, "sm" },
    { { 1482.0f, 1446.0f }, "sm9" },
    { { 1900.0f, 1112.0f }, "sm10" },
    { { 1482.0f, 1446.0f }, "sm11" },
};

// Picture endings by orientation: upright, quarter turn, upside down, three-quarter turn.
const char *const kPictureEndings[4] = { "", "5", "6", "7" };

bool IsViewState(int state)
{
    return state >= 0 && state < kViewStateCount;
}

} // namespace

int EnlargeTarget(float defaultHeight)
{
    // Heights are compared exactly: they are the values an earlier redisplay set.
    if (defaultHeight == kNormalHeight)
        return 4;
    if (defaultHeight == kSmallUprightHeight)
        return 0;
    return 4;
}

int ShrinkTarget(float defaultHeight)
{
    if (defaultHeight == kLargeUprightHeight)
        return 0;
    return 8;
}

int RotateTarget(int viewState)
{
    if (!IsViewState(viewState))
        return -1;
    const int row = viewState / 4;
    return row * 4 + (viewState % 4 + 1) % 4;
}

std::int16_t ReversedOfState(int state)
{
    return state == 2 || state == 6 || state == 10 ? 1 : 0;
}

WindowSize DesignSizeOfState(int state)
{
    return kDesignStates[IsViewState(state) ? state : 0].size;
}

WindowSize SizeOfState(const CardData &card, int state, Route route)
{
    for (const SizeOverride &size : card.sizeOverrides) {
        if (size.state == state && (size.route == Route::Any || size.route == route))
            return { size.height, size.width };
    }
    return DesignSizeOfState(state);
}

int StyleIndex(const CardData &card, DeckStyle deckStyle)
{
    return card.hasStyles() && deckStyle == DeckStyle::Traditional ? kTraditional : kThoth;
}

StatePicture PictureOfState(const CardData &card, int state, DeckStyle deckStyle)
{
    if (!IsViewState(state))
        return {};
    const int style = StyleIndex(card, deckStyle);
    StatePicture picture;
    for (const CacheOverride &cache : card.cacheOverrides) {
        if (cache.state == state && (cache.style == -1 || cache.style == style)) {
            picture.cacheFile = cache.file;
            break;
        }
    }
    if (picture.cacheFile.isEmpty()) {
        if (state == 0 && !card.stateZeroFromFile)
            return {};
        picture.cacheFile = card.cacheStem[style] + QLatin1String(kDesignStates[state].cacheEnding);
    }
    picture.resource = card.pictureStem[style] + QLatin1String(kPictureEndings[state % 4]);
    return picture;
}
