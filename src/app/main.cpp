#include "AppController.h"
#include "Fields.h"
#include "FileAccess.h"
#include "MainWindow.h"
#include "Prompts.h"
#include "Version.h"

#include <QApplication>
#include <QSettings>
#include <QStyleFactory>

#include <exception>

namespace {

// An error that no handler catches goes to the general error box and the program goes on.
class KoVaqApplication : public QApplication {
  public:
    KoVaqApplication(int& argc, char** argv, kovaq::Prompts& prompts)
        : QApplication(argc, argv), m_prompts(prompts) {}

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            m_prompts.errorBox(activeWindow(), QString::fromStdString(e.what()));
        } catch (...) {
            m_prompts.errorBox(activeWindow(), QStringLiteral("An unexpected error occurred."));
        }
        return false;
    }

  private:
    kovaq::Prompts& m_prompts;
};

} // namespace

int main(int argc, char** argv) {
    kovaq::DesktopPrompts prompts;
    KoVaqApplication app(argc, argv, prompts);
    QApplication::setApplicationName(QStringLiteral("Ko-Vaq"));
    QApplication::setOrganizationName(QStringLiteral("Tresquall"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ko-Vaq"));
    QApplication::setApplicationVersion(
        QString::fromLatin1(kovaq::Version.data(), static_cast<qsizetype>(kovaq::Version.size())));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(kovaq::AppIcon());

    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tresquall"),
                    QStringLiteral("Ko-Vaq"));
    kovaq::AppController controller(prompts, store);
    // The name's own bytes: Qt's decoding of the arguments would change some names.
    if (argc > 1)
        controller.setStartupFile(kovaq::PathFromNative(argv[1]));
    QObject::connect(&controller, &kovaq::AppController::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    controller.window().show();
    return QApplication::exec();
}
