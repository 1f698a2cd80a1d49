#pragma once

#include <QWidget>

// The start-up banner: borderless, always on top, centred, 512 × 96.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget *parent = nullptr);
};
