#pragma once

#include <QWidget>

// The start-up banner: borderless, always on top, centred, 512 × 96.
class TfrmSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplashScreen(QWidget *parent = nullptr);
};
