#pragma once

#include <QWidget>

namespace aw {

// The start-up banner: borderless, always on top, centred, 512 × 96.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget *parent = nullptr);
};

} // namespace aw
