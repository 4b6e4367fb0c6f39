#include "app/ui/helpcontentswindow.h"

#include "helptext.h"
#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "platform/ui/picturelabel.h"
#include "resourcelist.h"

#include <QPointer>

namespace {

constexpr float kClientWidth = 6795;
constexpr float kClientHeight = 7410;
constexpr float kLoadHeight = 7896;
constexpr float kLoadWidth = 6888;

QPointer<HelpContentsWindow> g_window;

} // namespace

HelpContentsWindow::HelpContentsWindow()
    : ChildWindow(QStringLiteral("Contents"), kClientWidth, kClientHeight, false)
{
    setCaption(QStringLiteral("Help Contents"));
    page = new platform::PictureLabel(QStringLiteral("Image1"), this);
    // The page is a picture: its words go to assistive technology from the same text it was drawn from.
    page->setAccessibleName(QStringLiteral("Help Contents page"));
    page->setAccessibleDescription(QString::fromStdString(art::help::pageText()));
    if (!page->setPictureBytes(platform::Resource(QLatin1String(art::kHelpPage.name)))) {
        page->setText(QStringLiteral("The help page is missing from this copy of the program."));
        page->setAlignment(Qt::AlignCenter);
        page->setWordWrap(true);
    }
    exitButton = new platform::WrappingButton(QStringLiteral("Command1"), QStringLiteral("EXIT"), this);
    // In front of the picture, at its design place whatever the window's size.
    platform::PlaceControl(exitButton, 5520, 6600, 852, 252);
    exitButton->raise();
    connect(exitButton, &QPushButton::clicked, this, &HelpContentsWindow::leave);
}

void HelpContentsWindow::resetControls()
{
    page->setGeometryTwips(0, 0, 6852, 7452);
}

void HelpContentsWindow::loadEvent()
{
    // The window keeps the left edge the workspace gives a new window and moves to the top.
    if (QMdiSubWindow *frame = subWindow(); frame && !frame->isVisible()) {
        frame->show();
        moveTwips(frame->x() * platform::kTwipsPerPixel, 0);
    } else {
        setTopTwips(0);
    }
    setHeightTwips(kLoadHeight);
    setWidthTwips(kLoadWidth);
    page->setHeightTwips(innerHeightTwips());
    page->setWidthTwips(innerWidthTwips());
}

void HelpContentsWindow::innerResizeEvent()
{
    page->setHeightTwips(innerHeightTwips());
    page->setWidthTwips(innerWidthTwips());
}

void HelpContentsWindow::leave()
{
    hideWindow();
}

HelpContentsWindow *HelpContentsWindow::instance()
{
    return platform::SingleWindow(g_window);
}
