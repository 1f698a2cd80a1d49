#pragma once

#include <QApplication>

// The application object. Every command already reports its own errors; this is the last
// net for an exception that would otherwise leave a Qt event handler and end the program:
// it is shown in an error box and the event counts as handled.
class TArmorwrightApplication : public QApplication {
    Q_OBJECT
public:
    TArmorwrightApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
