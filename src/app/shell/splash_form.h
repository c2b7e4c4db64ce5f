#pragma once
// The splash window: the program's picture, shown for at least 1500 ms at start-up.

#include <QWidget>

class QLabel;
class QTimer;

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    void SplashTimer();
    // The window may close once its time is over.
    bool FormCloseQuery() const;

    QLabel* TennisImageLabel = nullptr;
    QTimer* Splash = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
};
