// Every GUI test runs headless, and a watchdog closes any modal window a test did not
// expect, failing that test instead of hanging the suite.
#include "ModalWatchdog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !ExpectedModals().contains(modal)) {
            ADD_FAILURE() << "unexpected modal window: " << modal->objectName().toStdString() << " "
                          << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog.start(200);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
