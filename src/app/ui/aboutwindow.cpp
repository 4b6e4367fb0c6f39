#include "app/ui/aboutwindow.h"

#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "platform/ui/picturelabel.h"
#include "resourcelist.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPointer>

namespace {

constexpr float kClientWidth = 3750;
constexpr float kClientHeight = 2400;

constexpr float kButtonTop = 1800;

QPointer<AboutWindow> g_window;

// The dialog font at 9.75 points, a little smaller when the paragraph would otherwise run on
// behind the button (fonts differ in width from system to system).
QFont TextFont(const QString &text, int width, int height)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    for (qreal points = 9.75; points >= 8.0; points -= 0.25) {
        font.setPointSizeF(points);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text);
        if (needed.height() <= height)
            break;
    }
    return font;
}

QString AboutText()
{
    bool found = false;
    const QByteArray text = platform::Resource(QLatin1String(art::kAboutText), &found);
    if (!found)
        return QStringLiteral("(The About text is missing from this copy of the program.)");
    return QString::fromUtf8(text).trimmed();
}

} // namespace

AboutWindow::AboutWindow()
    : ChildWindow(QStringLiteral("Aboutform"), kClientWidth, kClientHeight)
{
    setCaption(QString::fromUtf8(kAboutCaption));
    // An empty picture beneath the text, as in the window's design.
    backdrop = new platform::PictureLabel(QStringLiteral("Image1"), this);
    backdrop->setGeometryTwips(0, 0, 3732, 2412);
    aboutText = new QLabel(AboutText(), this);
    aboutText->setObjectName(QStringLiteral("Label1"));
    aboutText->setTextFormat(Qt::PlainText);
    aboutText->setWordWrap(true);
    aboutText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::PlaceControl(aboutText, 120, 120, 3492, 2172);
    aboutText->setFont(TextFont(aboutText->text(), aboutText->width(), platform::TwipsToPixels(kButtonTop - 120)));
    // The button stays in front of the text it overlaps.
    exitButton = new platform::WrappingButton(QStringLiteral("Command1"), QStringLiteral("Exit"), this);
    platform::PlaceControl(exitButton, 2760, kButtonTop, 852, 492);
    connect(exitButton, &QPushButton::clicked, this, &AboutWindow::leave);
}

void AboutWindow::leave()
{
    hideWindow();
}

AboutWindow *AboutWindow::instance()
{
    return platform::SingleWindow(g_window);
}
