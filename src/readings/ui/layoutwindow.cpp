#include "readings/ui/layoutwindow.h"

#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "platform/ui/picturelabel.h"
#include "readings/readingtexts.h"

#include <QMdiArea>
#include <QPixmap>
#include <QtDebug>

namespace {

constexpr float kExitWidth = 1092;
constexpr float kExitHeight = 252;

} // namespace

LayoutFrame FrameOf(platform::ChildWindow &window)
{
    LayoutFrame frame;
    frame.left = window.leftTwips();
    frame.top = window.topTwips();
    frame.innerWidth = window.innerWidthTwips();
    frame.innerHeight = window.innerHeightTwips();
    return frame;
}

ReadingLayoutWindow::ReadingLayoutWindow(const LayoutDesign &design)
    : ChildWindow(QLatin1String(design.objectName), design.clientWidth, design.clientHeight)
    , m_design(design)
{
    layoutPicture = new platform::PictureLabel(QStringLiteral("Image1"), this);
    QPixmap picture;
    if (!picture.loadFromData(platform::Resource(QLatin1String(design.picture))))
        qWarning("Layout picture %s is missing; the reading goes on without it.", design.picture);
    layoutPicture->setPixmap(picture);
    layoutPicture->setAccessibleName(QStringLiteral("Spread layout"));
    connect(layoutPicture, &platform::PictureLabel::clicked, this, &ReadingLayoutWindow::bringOthersToFront);

    exitButton = new platform::WrappingButton(QStringLiteral("Command1"), kLayoutExitCaption, this);
    platform::PlaceControl(exitButton, design.exitLeft, design.exitTop, kExitWidth, kExitHeight);
    connect(exitButton, &QPushButton::clicked, this, [this] { endReading(); });
}

void ReadingLayoutWindow::resetControls()
{
    layoutPicture->setGeometryTwips(0, 0, m_design.pictureWidth, m_design.pictureHeight);
    exitButton->raise();
}

void ReadingLayoutWindow::fitPicture()
{
    layoutPicture->setHeightTwips(innerHeightTwips());
    layoutPicture->setWidthTwips(innerWidthTwips());
}

void ReadingLayoutWindow::bringOthersToFront()
{
    QMdiArea *workspace = platform::Workspace();
    for (const QPointer<platform::ChildWindow> window : platform::OpenWindows()) {
        if (!window || window->caption() == caption() || !window->isShown())
            continue;
        if (QMdiSubWindow *sub = window->subWindow())
            workspace->setActiveSubWindow(sub);
    }
}
