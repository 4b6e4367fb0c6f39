#include "majors.h"

#include "majorscene.h"

#include <QPainter>

#include <iterator>

namespace art {

namespace {

using Scene = void (*)(QPainter &);

// The scene of each major card in card-number order; the style cards have
// a Thoth and a Traditional one, the others the same for both.
struct MajorScenes
{
    Scene thoth;
    Scene traditional;
};

const MajorScenes kScenes[] = {
    { scene::fool, scene::fool },
    { scene::magus, scene::magus },
    { scene::highPriestess, scene::highPriestess },
    { scene::empress, scene::empress },
    { scene::emperorThoth, scene::emperorTraditional },
    { scene::hierophant, scene::hierophant },
    { scene::lovers, scene::lovers },
    { scene::chariot, scene::chariot },
    { scene::strengthThoth, scene::strengthTraditional },
    { scene::hermit, scene::hermit },
    { scene::fortune, scene::fortune },
    { scene::justiceThoth, scene::justiceTraditional },
    { scene::hangedMan, scene::hangedMan },
    { scene::death, scene::death },
    { scene::temperance, scene::temperance },
    { scene::devil, scene::devil },
    { scene::tower, scene::tower },
    { scene::starThoth, scene::starTraditional },
    { scene::moon, scene::moon },
    { scene::sun, scene::sun },
    { scene::judgement, scene::judgement },
    { scene::universe, scene::universe },
};

} // namespace

void drawMajorPanel(QPainter &p, const QRectF &panel, int cardNumber, DeckStyle style)
{
    if (cardNumber < 0 || cardNumber >= static_cast<int>(std::size(kScenes)))
        return;
    const MajorScenes &scenes = kScenes[cardNumber];
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(panel.topLeft());
    p.scale(panel.width() / scene::W, panel.height() / scene::H);
    p.setClipRect(QRectF(0, 0, scene::W, scene::H));
    (style == DeckStyle::Traditional ? scenes.traditional : scenes.thoth)(p);
    p.restore();
}

QString majorNumeral(int cardNumber, DeckStyle style)
{
    static const char *const numerals[] = { "0", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI",
        "XII", "XIII", "XIV", "XV", "XVI", "XVII", "XVIII", "XIX", "XX", "XXI" };
    int n = cardNumber;
    // In the Thoth order Strength is eleventh and Justice eighth.
    if (style == DeckStyle::Thoth && (n == 8 || n == 11))
        n = 19 - n;
    if (n < 0 || n > 21)
        return QString();
    return QString::fromLatin1(numerals[n]);
}

} // namespace art
