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

LayoutFrame FrameOf(platform::ChildWindow &form)
{
    LayoutFrame frame;
    frame.left = form.leftTwips();
    frame.top = form.topTwips();
    frame.scaleWidth = form.innerWidthTwips();
    frame.scaleHeight = form.innerHeightTwips();
    return frame;
}

ReadingLayoutWindow::ReadingLayoutWindow(const LayoutDesign &design)
    : ChildWindow(QLatin1String(design.objectName), design.clientWidth, design.clientHeight)
    , m_design(design)
{
    Image1 = new platform::PictureLabel(QStringLiteral("Image1"), this);
    QPixmap picture;
    if (!picture.loadFromData(platform::Resource(QLatin1String(design.picture))))
        qWarning("Layout picture %s is missing; the reading goes on without it.", design.picture);
    Image1->setPixmap(picture);
    Image1->setAccessibleName(QStringLiteral("Spread layout"));
    connect(Image1, &platform::PictureLabel::clicked, this, &ReadingLayoutWindow::Image1_Click);

    Command1 = new platform::WrappingButton(QStringLiteral("Command1"), kLayoutExitCaption, this);
    platform::PlaceControl(Command1, design.exitLeft, design.exitTop, kExitWidth, kExitHeight);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void ReadingLayoutWindow::resetControls()
{
    Image1->setGeometryTwips(0, 0, m_design.pictureWidth, m_design.pictureHeight);
    Command1->raise();
}

void ReadingLayoutWindow::FitPicture()
{
    Image1->setHeightTwips(innerHeightTwips());
    Image1->setWidthTwips(innerWidthTwips());
}

void ReadingLayoutWindow::Image1_Click()
{
    QMdiArea *workspace = platform::Workspace();
    for (const QPointer<platform::ChildWindow> form : platform::OpenWindows()) {
        if (!form || form->caption() == caption() || !form->isShown())
            continue;
        if (QMdiSubWindow *sub = form->subWindow())
            workspace->setActiveSubWindow(sub);
    }
}
