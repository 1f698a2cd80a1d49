#include "ui/dialogs/SplashScreen.h"

#include "ui/widgets/BannerArt.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace aw {

SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("splashScreen"));
    const QSize clientSize(512, 96);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("splashImage"));
    picture->setPixmap(MakeBanner(clientSize));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(clientSize);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect box(QPoint(), clientSize);
        box.moveCenter(screen->availableGeometry().center());
        move(box.topLeft());
    }
}

} // namespace aw
